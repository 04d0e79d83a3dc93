#include "db2sim/core/journal.h"

#include <algorithm>

namespace db2sim {

template <class F>
void Journal::forEach(F&& f) const {
    for (size_t i = oldest_; i < lines_.size(); ++i) {
        f(lines_[i]);
    }
    for (size_t i = 0; i < oldest_; ++i) {
        f(lines_[i]);
    }
}

void Journal::add(std::initializer_list<std::string_view> parts) {
    size_t length = 0;
    for (std::string_view part : parts) {
        length += part.size();
    }
    std::string* line;
    if (lines_.size() < kMaxLines) {
        line = &lines_.emplace_back();
    } else {
        line = &lines_[oldest_];
        oldest_ = (oldest_ + 1) % kMaxLines;
        line->clear();
    }
    // Sized once (one allocation at most, none when the recycled line is long enough), then
    // filled part by part.
    line->resize(length);
    char* at = &(*line)[0];
    for (std::string_view part : parts) {
        at = std::copy_n(part.data(), part.size(), at);
    }
}

void Journal::clear() {
    lines_.clear();
    oldest_ = 0;
}

std::string Journal::text() const {
    std::string out;
    forEach([&](const std::string& line) {
        out += line;
        out += '\n';
    });
    return out;
}

std::vector<std::string> Journal::lines(const std::string& entry) const {
    std::string prefix = entry + "(";
    std::vector<std::string> out;
    forEach([&](const std::string& line) {
        if (line.compare(0, prefix.size(), prefix) == 0) {
            out.push_back(line);
        }
    });
    return out;
}

std::vector<std::string> Journal::lines() const {
    std::vector<std::string> out;
    out.reserve(lines_.size());
    forEach([&](const std::string& line) { out.push_back(line); });
    return out;
}

}  // namespace db2sim
