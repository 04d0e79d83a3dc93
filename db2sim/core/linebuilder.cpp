#include "db2sim/core/linebuilder.h"

#include <algorithm>

namespace db2sim {

char* LineBuilder::grow(size_t n) {
    size_t used = size();
    std::string bigger(std::max(2 * static_cast<size_t>(end_ - begin_), used + n), '\0');
    std::memcpy(&bigger[0], begin_, used);
    heap_.swap(bigger);
    begin_ = &heap_[0];
    cursor_ = begin_ + used;
    end_ = begin_ + heap_.size();
    return cursor_;
}

}  // namespace db2sim
