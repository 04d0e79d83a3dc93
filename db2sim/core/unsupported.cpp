// Entry points whose area the stand-in does not simulate yet. Each is exported with DB2's
// argument list, journalled and faulted like any other, and answers sqlcode -9999 (CLI:
// SQL_ERROR). When an area is built, its entry points move from here into the area's source.
#include "db2sim/core/apicall.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"

using db2sim::ApiCall;
using db2sim::guarded;

        return call.unsupported();
    });
}

// Maintenance.
DB2SIM_CHECK_TYPE(sqlabndx);
DB2SIM_EXPORT int sqlabndx(char* pBindFileName, char* pMsgFileName, void* pBindOptions,
                           sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqlabndx", pSqlca);
        call.text("pBindFileName", pBindFileName).text("pMsgFileName", pMsgFileName);
        call.ptr("pBindOptions", pBindOptions);
        return call.unsupported();
    });
}

DB2SIM_CHECK_TYPE(sqlarbnd);
DB2SIM_EXPORT int sqlarbnd(char* pPackageName, sqlca* pSqlca, void* pRebindOptions) {
    return guarded([&] {
        ApiCall call("sqlarbnd", pSqlca);
        call.text("pPackageName", pPackageName).ptr("pRebindOptions", pRebindOptions);
        return call.unsupported();
    });
}

DB2SIM_CHECK_TYPE(sqlaprep);
DB2SIM_EXPORT int sqlaprep(char* pProgramName, char* pMsgFileName, void* pPrepOptions,
                           sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqlaprep", pSqlca);
        call.text("pProgramName", pProgramName).text("pMsgFileName", pMsgFileName);
        call.ptr("pPrepOptions", pPrepOptions);
        return call.unsupported();
    });
}
