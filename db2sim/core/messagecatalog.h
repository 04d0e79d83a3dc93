// The stand-in's message catalogue: one row per sqlcode, with its SQLSTATE and a text template in
// our own words. "&1".."&9" in a template stand for the sqlerrmc tokens.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "db2api/db2types.h"

namespace db2sim {

struct MessageText {
    int sqlcode;
    const char* sqlstate;  // "" when no SQLSTATE applies
    const char* text;
};

class MessageCatalog {
  public:
    // The row of `sqlcode`, or null when the catalogue has none.
    static const MessageText* find(int sqlcode);

    // The SQLSTATE the stand-in reports for `sqlcode`: its row's, "00000" for success, else "".
    static std::string_view sqlstate(int sqlcode);

    // The message of an sqlca in DB2's shape, without line end:
    // "SQL1013N  ... "X" ...  SQLSTATE=42705".
    static std::string message(const sqlca& ca);

    // `text` broken into lines of at most `width` bytes (0: one line), each ending in "\n".
    static std::string wrap(const std::string& text, int width);

    // The tokens of an sqlca's sqlerrmc (at most 70 bytes, 0xFF-separated).
    static std::vector<std::string> tokens(const sqlca& ca);
};

}  // namespace db2sim
