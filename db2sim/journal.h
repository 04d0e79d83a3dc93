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
    // For callers that build lines often: scratch() hands out a string to build a line in, and
    // addBuilt() stores a copy of it, sized to fit and in the storage of the line dropped past the
    // bound when there is one, then keeps the string for the next scratch(). A steady stream of
    // calls thus formats and stores lines without allocating.
    std::string scratch();
    void addBuilt(std::string&& line);
    size_t size() const { return lines_.size(); }

    // All lines, each ended by "\n".
    std::string text() const;

    // The lines of one entry point (those starting with "name(").
    std::vector<std::string> lines(const std::string& entry) const;
    std::vector<std::string> lines() const;

  private:
    std::deque<std::string> lines_;
    std::string scratch_;
};

}  // namespace db2sim
