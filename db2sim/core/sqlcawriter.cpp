#include "db2sim/core/sqlcawriter.h"

#include <algorithm>
#include <cstring>

#include "db2sim/core/messagecatalog.h"

namespace db2sim {
namespace {

// Copies `text` into a fixed field, padded with blanks, never terminated. Text that fills the
// field (product signature, SQLSTATE) is one copy of a size known here.
template <size_t N>
void putFixed(char (&field)[N], std::string_view text) {
    if (text.size() >= N) {
        std::memcpy(field, text.data(), N);
        return;
    }
    std::copy_n(text.data(), text.size(), field);  // text may be empty with no data
    std::memset(field + text.size(), ' ', N - text.size());
}

}  // namespace

std::string joinTokens(const std::vector<std::string>& tokens) {
    std::string joined;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (i > 0) {
            joined += kSqlerrmcSeparator;
        }
        joined += tokens[i];
    }
    if (joined.size() > sizeof(sqlca::sqlerrmc)) {
        joined.resize(sizeof(sqlca::sqlerrmc));
    }
    return joined;
}

std::vector<std::string> splitTokens(const char* commaSeparated) {
    std::vector<std::string> tokens;
    if (commaSeparated == nullptr || *commaSeparated == '\0') {
        return tokens;
    }
    std::string current;
    for (const char* p = commaSeparated; *p != '\0'; ++p) {
        if (*p == ',') {
            tokens.push_back(current);
            current.clear();
        } else {
            current += *p;
        }
    }
    tokens.push_back(current);
    return tokens;
}

void writeSqlca(sqlca& ca, int sqlcode, std::string_view joinedTokens, std::string_view product) {
    putFixed(ca.sqlcaid, "SQLCA");
    ca.sqlcabc = sizeof(sqlca);
    ca.sqlcode = sqlcode;
    size_t length = std::min(joinedTokens.size(), sizeof(ca.sqlerrmc));
    std::memset(ca.sqlerrmc, 0, sizeof(ca.sqlerrmc));
    std::copy_n(joinedTokens.data(), length, ca.sqlerrmc);
    ca.sqlerrml = static_cast<short>(length);
    putFixed(ca.sqlerrp, product);
    putFixed(ca.sqlstate, MessageCatalog::sqlstate(sqlcode));
}

}  // namespace db2sim
