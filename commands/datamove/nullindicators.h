// The null indicator columns of import and load: for each column of the descriptor, the column
// of the file that says whether the value is null (0: the column is not nullable).
//
// DB2 reads one indicator per column of the descriptor, whatever the list held, so the array is
// never shorter than the descriptor's dcolnum: missing indicators are 0. It is never empty either,
// so a pointer is always there to pass. Items are numbers (DigitText, blanks skipped); anything
// else is refused with a message naming the list.
#pragma once

#include <cstddef>
#include <vector>

#include "db2api/db2types.h"
#include "base/stdafx.h"

class NullIndicators {
  public:
    NullIndicators() : values(1, 0) {}
    NullIndicators(const NullIndicators&) = delete;
    NullIndicators& operator=(const NullIndicators&) = delete;

    // The items of `commaList`, padded with 0 to `columns` entries (at least one).
    bool build(const t_string& commaList, std::size_t columns, const char* what, t_string& why);

    db2int32* data() { return values.data(); }
    const std::vector<db2int32>& view() const { return values; }

  private:
    std::vector<db2int32> values;
};
