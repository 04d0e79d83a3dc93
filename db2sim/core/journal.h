// The journal: one line per entry-point call, the newest kept, the oldest dropped past the bound.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace db2sim {

class Journal {
  public:
    static constexpr size_t kMaxLines = 100000;

    // Stores one line made of `parts` in order. Once the bound is reached the line takes the place
    // and the storage of the oldest one, so a steady stream of calls stores lines without
    // allocating.
    void add(std::initializer_list<std::string_view> parts);
    void add(std::string_view line) { add({line}); }
    void clear();
    size_t size() const { return lines_.size(); }

    // All lines, each ended by "\n".
    std::string text() const;

    // The lines of one entry point (those starting with "name(").
    std::vector<std::string> lines(const std::string& entry) const;
    std::vector<std::string> lines() const;

  private:
    // Calls f(line) for every line, oldest first.
    template <class F>
    void forEach(F&& f) const;

    // A ring once full: the oldest line is at `oldest_`, the newest just before it.
    std::vector<std::string> lines_;
    size_t oldest_ = 0;
};

}  // namespace db2sim
