// The journal: one line per entry-point call, the newest kept, the oldest dropped past the bound.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace db2sim {

class Journal {
  public:
    static constexpr size_t kMaxLines = 100000;

    void add(std::string line);
    void clear() { lines_.clear(); }
    size_t size() const { return lines_.size(); }

    // All lines, each ended by "\n".
    std::string text() const;

    // The lines of one entry point (those starting with "name(").
    std::vector<std::string> lines(const std::string& entry) const;
    std::vector<std::string> lines() const;

  private:
    std::deque<std::string> lines_;
};

}  // namespace db2sim
