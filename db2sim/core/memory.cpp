// sqlefmem_api: gives back memory the stand-in handed out. Null is accepted and does nothing;
// any pointer the stand-in did not hand out is refused (-2032), never freed.
#include "db2sim/core/apicall.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/sqlcodes.h"

DB2SIM_CHECK_TYPE(sqlefmem_api);

namespace db2sim {
namespace {

int freeMemory(sqlca* ca, void* buffer) {
    ApiCall call("sqlefmem_api", ca, CallKind::kAdmin, Access::kRead);
    call.ptr("pBuffer", buffer);
    if (!call.proceed()) {
        return call.rc();
    }
    if (buffer != nullptr && !call.instance().memory().takeBack(buffer)) {
        return call.fail(code::kInvalidParameter, {"pBuffer"});
    }
    return call.succeed();
}

}  // namespace
}  // namespace db2sim

DB2SIM_EXPORT int sqlefmem_api(sqlca* pSqlca, void* pBuffer) {
    return db2sim::guarded([&] { return db2sim::freeMemory(pSqlca, pBuffer); });
}
