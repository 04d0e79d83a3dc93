// Filling a caller's sqlca the way the client does. Callers zero their sqlca; the stand-in sets
// the eye-catcher, size, sqlcode, tokens, product signature and SQLSTATE.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "db2api/db2types.h"

namespace db2sim {

// Tokens as sqlerrmc holds them: separated by 0xFF, cut to 70 bytes.
std::string joinTokens(const std::vector<std::string>& tokens);

// "a,b" as the control interface takes tokens; null or "" gives no tokens.
std::vector<std::string> splitTokens(const char* commaSeparated);

// Sets sqlcaid, sqlcabc, sqlcode, sqlerrml/sqlerrmc, sqlerrp and sqlstate; leaves the rest.
void writeSqlca(sqlca& ca, int sqlcode, std::string_view joinedTokens, std::string_view product);

}  // namespace db2sim
