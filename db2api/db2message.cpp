#include "db2api/db2message.h"

#include "db2api/db2api.h"

namespace db2 {

namespace {

constexpr const char* kFormatterFailed = "Get Error Message Failed";
constexpr const char* kNoError = "No Error";
constexpr const char* kUnknownError = "Unknown DB2 API Error: ";
constexpr short kNoLineBreaks = 0;

}  // namespace

bool IsError(const sqlca& ca) {
    return ca.sqlcode < 0;
}

std::string GetError(const sqlca& ca) {
    if (!IsError(ca)) {
        return std::string();
    }
    return GetMessage(ca);
}

std::string GetMessage(const sqlca& ca) {
    char buf[kMessageBufferSize] = {};
    sqlca copy = ca;  // the formatter takes a non-const sqlca; the caller's stays untouched
    const int rc =
        DB2API::Instance().GetErrorMessage(buf, kMessageBufferSize, kNoLineBreaks, &copy);
    buf[kMessageBufferSize - 1] = '\0';
    return MapFormatterResult(rc, buf, ca.sqlcode);
}

std::string MapFormatterResult(int rc, const char* buf, sqlint32 sqlcode) {
    switch (rc) {
        case SQLA_ERR_NOMEM:
        case SQLA_ERR_NOMSG:
        case SQLA_ERR_BADLL:
            return kFormatterFailed;
        case SQLA_ERR_NOCOD:
            return kNoError;
        case SQLA_ERR_BADCC:
            return kUnknownError + std::to_string(sqlcode);
        default:
            return buf != nullptr ? std::string(buf) : std::string();
    }
}

}  // namespace db2
