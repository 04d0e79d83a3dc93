#include "db2sim/journal.h"

#include <utility>

namespace db2sim {

void Journal::add(std::string line) {
    if (lines_.size() == kMaxLines) {
        lines_.pop_front();
    }
    lines_.push_back(std::move(line));
}

std::string Journal::scratch() {
    std::string line = std::exchange(scratch_, std::string());
    line.clear();
    return line;
}

void Journal::addBuilt(std::string&& line) {
    std::string stored;
    if (lines_.size() == kMaxLines) {
        stored = std::move(lines_.front());
        lines_.pop_front();
    }
    stored.assign(line);
    lines_.push_back(std::move(stored));
    if (line.capacity() > scratch_.capacity()) {
        scratch_ = std::move(line);
    }
}

std::string Journal::text() const {
    std::string out;
    for (const std::string& line : lines_) {
        out += line;
        out += '\n';
    }
    return out;
}

std::vector<std::string> Journal::lines(const std::string& entry) const {
    std::string prefix = entry + "(";
    std::vector<std::string> out;
    for (const std::string& line : lines_) {
        if (line.compare(0, prefix.size(), prefix) == 0) {
            out.push_back(line);
        }
    }
    return out;
}

std::vector<std::string> Journal::lines() const {
    return std::vector<std::string>(lines_.begin(), lines_.end());
}

}  // namespace db2sim
