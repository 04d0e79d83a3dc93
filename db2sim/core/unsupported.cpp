// Entry points whose area the stand-in does not simulate yet. Each is exported with DB2's
// argument list, journalled and faulted like any other, and answers sqlcode -9999 (CLI:
// SQL_ERROR). When an area is built, its entry points move from here into the area's source.
#include "db2sim/core/apicall.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"

using db2sim::ApiCall;
using db2sim::guarded;

// Backup and recovery.
DB2SIM_CHECK_TYPE(sqluvqdp);
DB2SIM_EXPORT int sqluvqdp(char* pTableName, sqlint32 QuiesceMode, void* pReserved, sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqluvqdp", pSqlca);
        call.text("pTableName", pTableName).num("QuiesceMode", QuiesceMode);
        call.ptr("pReserved", pReserved);
        return call.unsupported();
    });
}

DB2SIM_CHECK_TYPE(sqlbstsc);
DB2SIM_EXPORT int sqlbstsc(sqlca* pSqlca, sqluint32 SetContainerOptions, sqluint32 TablespaceId,
                           sqluint32 NumContainers, void* pContainerData) {
    return guarded([&] {
        ApiCall call("sqlbstsc", pSqlca);
        call.num("SetContainerOptions", SetContainerOptions).num("TablespaceId", TablespaceId);
        call.num("NumContainers", NumContainers).ptr("pContainerData", pContainerData);
        return call.unsupported();
    });
}

DB2SIM_CHECK_TYPE(sqlurcon);
DB2SIM_EXPORT int sqlurcon(char* pTableName, char* pExTableName, char* pReportFileName,
                           void* pReserved, sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqlurcon", pSqlca);
        call.text("pTableName", pTableName).text("pExTableName", pExTableName);
        call.text("pReportFileName", pReportFileName).ptr("pReserved", pReserved);
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

// Monitoring.
DB2SIM_CHECK_TYPE(sqlefrce_api);
DB2SIM_EXPORT int sqlefrce_api(sqlint32 NumAgentIds, sqluint32* pAgentIds, unsigned short ForceMode,
                               sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqlefrce_api", pSqlca);
        call.num("NumAgentIds", NumAgentIds).ptr("pAgentIds", pAgentIds);
        call.num("ForceMode", ForceMode);
        return call.unsupported();
    });
}

DB2SIM_CHECK_TYPE(sqlbmtsq);
DB2SIM_EXPORT int sqlbmtsq(sqlca* pSqlca, sqluint32* pNumTablespaces, void*** pppTablespaceData,
                           sqluint32 reserved1, sqluint32 reserved2) {
    return guarded([&] {
        ApiCall call("sqlbmtsq", pSqlca);
        call.ptr("pNumTablespaces", pNumTablespaces).ptr("pppTablespaceData", pppTablespaceData);
        call.num("reserved1", reserved1).num("reserved2", reserved2);
        return call.unsupported();
    });
}

DB2SIM_CHECK_TYPE(sqlbgtss);
DB2SIM_EXPORT int sqlbgtss(sqlca* pSqlca, sqluint32 TablespaceId, void* pTablespaceStats) {
    return guarded([&] {
        ApiCall call("sqlbgtss", pSqlca);
        call.num("TablespaceId", TablespaceId).ptr("pTablespaceStats", pTablespaceStats);
        return call.unsupported();
    });
}

DB2SIM_CHECK_TYPE(sqlbtcq);
DB2SIM_EXPORT int sqlbtcq(sqlca* pSqlca, sqluint32 TablespaceId, sqluint32* pNumContainers,
                          void** ppContainerData) {
    return guarded([&] {
        ApiCall call("sqlbtcq", pSqlca);
        call.num("TablespaceId", TablespaceId).ptr("pNumContainers", pNumContainers);
        call.ptr("ppContainerData", ppContainerData);
        return call.unsupported();
    });
}

DB2SIM_CHECK_TYPE(sqlxphqr);
DB2SIM_EXPORT int sqlxphqr(int exe_type, void** ppIndoubtData, sqlint32* pNumIndoubts,
                           sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqlxphqr", pSqlca);
        call.num("exe_type", exe_type).ptr("ppIndoubtData", ppIndoubtData);
        call.ptr("pNumIndoubts", pNumIndoubts);
        return call.unsupported();
    });
}

DB2SIM_CHECK_TYPE(sqlcspqy);
DB2SIM_EXPORT int sqlcspqy(void** ppIndoubtData, sqlint32* pNumIndoubts, sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqlcspqy", pSqlca);
        call.ptr("ppIndoubtData", ppIndoubtData).ptr("pNumIndoubts", pNumIndoubts);
        return call.unsupported();
    });
}
