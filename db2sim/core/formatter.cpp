// sqlaintp_api: the message of an sqlca, in DB2's shape, from the stand-in's own catalogue.
// Checks, in this order: -5 null buffer or sqlca, or a buffer too small for a line end and its
// NUL (size < 2); -4 negative line width; -3 a message file other than "db2sql.mo" (null counts
// as "db2sql.mo"); -2 sqlcode 0. Otherwise the message, cut to fit, always ending in "\n".
#include <cstring>
#include <string>

#include "db2sim/core/apicall.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/messagecatalog.h"

namespace db2sim {
namespace {

constexpr const char* kCatalogueFile = "db2sql.mo";

// True for "db2sql.mo" alone or at the end of a path.
bool knownCatalogue(const char* file) {
    if (file == nullptr) {
        return true;
    }
    const char* slash = std::strrchr(file, '/');
    return std::strcmp(slash == nullptr ? file : slash + 1, kCatalogueFile) == 0;
}

// Copies `text` into `buffer` of `size` bytes (size >= 2), keeping the final "\n" when it has to
// cut. Returns the bytes written, without the NUL.
int place(const std::string& text, char* buffer, size_t size) {
    size_t length = text.size();
    if (length + 1 > size) {
        length = size - 1;
        std::memcpy(buffer, text.data(), length - 1);
        buffer[length - 1] = '\n';
    } else {
        std::memcpy(buffer, text.data(), length);
    }
    buffer[length] = '\0';
    return static_cast<int>(length);
}

[[maybe_unused]] int format(char* buffer, short size, short width, const char* file, sqlca* ca) {
    ApiCall call("sqlaintp_api", ca, CallKind::kFormatter, Access::kRead);
    call.ptr("pBuffer", buffer).num("BufferSize", size).num("LineWidth", width);
    call.text("pMsgFileName", file);
    if (ca != nullptr) {
        call.num("pSqlca->sqlcode", ca->sqlcode);
    } else {
        call.ptr("pSqlca", ca);
    }
    if (!call.proceed()) {
        return call.rc();
    }
    if (buffer == nullptr || ca == nullptr || size < 2) {
        return call.finish(SQLA_ERR_BADCC);
    }
    if (width < 0) {
        return call.finish(SQLA_ERR_BADLL);
    }
    if (!knownCatalogue(file)) {
        return call.finish(SQLA_ERR_NOMSG);
    }
    if (ca->sqlcode == 0) {
        return call.finish(SQLA_ERR_NOCOD);
    }
    std::string text = MessageCatalog::wrap(MessageCatalog::message(*ca), width);
    return call.finish(place(text, buffer, static_cast<size_t>(size)));
}

}  // namespace
}  // namespace db2sim

#if !DB2SIM_VARIANT_ABSENT
DB2SIM_CHECK_TYPE(sqlaintp_api);

DB2SIM_EXPORT int sqlaintp_api(char* pBuffer, short BufferSize, short LineWidth,
                               const char* pMsgFileName, sqlca* pSqlca) {
    return db2sim::guarded(
        [&] { return db2sim::format(pBuffer, BufferSize, LineWidth, pMsgFileName, pSqlca); });
}
#endif
