// XML schema mappings of import ("(a,b),(c,d)": a maps to b, c maps to d).
//
// The text is a comma list of pairs, each in parentheses with a comma between the two names.
// Names are kept as they stand (blanks and case). Refused with a message naming the list: a text
// that does not start with "(" and end with ")", a pair without a comma, an empty name, a name
// holding a parenthesis ("(a,b)(c,d)", "((a,b)"). Nothing is ever cut outside the text.
#pragma once

#include <vector>

#include "base/stdafx.h"

struct SchemaPair {
    t_string from;
    t_string to;
};

class SchemaPairs {
  public:
    SchemaPairs() = delete;

    // An empty text gives no pairs.
    static bool parse(const t_string& text, const char* what, std::vector<SchemaPair>& out,
                      t_string& why);
};
