// Column locations of an ASC file (import and load, method L): a comma list of items, each a
// begin and an end position with a blank between ("1 10, 12 20" gives (1,10) and (12,20)).
//
// Each item is trimmed and cut at its first blank: the part before is the begin, the rest the
// end, both read by DigitText (so "1 1 0" is (1,10)). An item without a blank gives begin == end
// ("7" is (7,7)). The positions are 16-bit: a value above 32767 or any character other than
// digits and blanks is refused with a message naming the list.
#pragma once

#include <vector>

#include "db2api/db2types.h"
#include "base/stdafx.h"

struct LocationPair {
    sqlint16 begin;
    sqlint16 end;
};

class LocationPairs {
  public:
    LocationPairs() = delete;

    // An empty text gives no pairs.
    static bool parse(const t_string& text, const char* what, std::vector<LocationPair>& out,
                      t_string& why);
};
