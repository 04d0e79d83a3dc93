// A partition text with ranges: items separated by ",", each a number ("3") or a range written
// "<first> TO <last>" ("3 TO 5", blanks around TO required, TO in capitals). The numbers it
// stands for, in order, a range giving every number from its first to its last.
//
// Numbers are read by DigitText (blanks skipped). Refused with a message naming the list: a
// number outside 0..999, a range whose last number is below its first, and malformed items
// ("3TO5", "3 TO", "TO 5", "3 TO 4 TO 5", "3 to 5"). Ranges are checked before they are
// expanded, so nothing is ever sized from an unchecked last - first + 1, and the whole text can
// stand for at most `limit` numbers.
#pragma once

#include <cstddef>
#include <vector>

#include "db2api/db2types.h"
#include "base/stdafx.h"

class PartitionRangeText {
  public:
    PartitionRangeText() = delete;

    // An empty text gives no numbers; a refused one leaves `out` empty.
    static bool parse(const t_string& text, const char* what, std::size_t limit,
                      std::vector<SQL_PDB_NODE_TYPE>& out, t_string& why);
};
