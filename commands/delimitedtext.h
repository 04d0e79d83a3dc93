// Delimited texts from Java ("a,b,c"): items cut at a separator character, and trimming.
//
// split and count always agree: count is the size of split. An empty text has no items; a
// trailing separator gives one more, empty, item ("a," is "a" and ""); so do two separators in a
// row. Items are kept as they stand, blanks and all.
#pragma once

#include <cstddef>
#include <vector>

#include "base/stdafx.h"

class DelimitedText {
  public:
    DelimitedText() = delete;

    static std::vector<t_string> split(const t_string& text, char separator = ',');
    static std::size_t count(const t_string& text, char separator = ',');
    // Without leading and trailing spaces (only ' ': tabs stay); all blanks gives "".
    static t_string trim(const t_string& text);
};
