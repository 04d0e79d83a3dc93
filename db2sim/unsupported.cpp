// Entry points whose area the stand-in does not simulate yet. Each is exported with DB2's
// argument list, journalled and faulted like any other, and answers sqlcode -9999 (CLI:
// SQL_ERROR). When an area is built, its entry points move from here into the area's source.
#include "db2sim/apicall.h"
#include "db2sim/entrypoints.h"
#include "db2sim/export.h"

using db2sim::ApiCall;
using db2sim::guarded;

// Databases and the instance.
DB2SIM_CHECK_TYPE(sqlecrea_api);
DB2SIM_EXPORT int sqlecrea_api(char* pDbName, char* pLocalDbAlias, char* pPath, void* pDbDescriptor,
                               void* pTerritoryInfo, char Reserved2, void* pReserved1,
                               sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqlecrea_api", pSqlca);
        call.text("pDbName", pDbName).text("pLocalDbAlias", pLocalDbAlias).text("pPath", pPath);
        call.ptr("pDbDescriptor", pDbDescriptor).ptr("pTerritoryInfo", pTerritoryInfo);
        call.num("Reserved2", Reserved2).ptr("pReserved1", pReserved1);
        return call.unsupported();
    });
}

DB2SIM_CHECK_TYPE(sqledrpd_api);
DB2SIM_EXPORT int sqledrpd_api(char* pDbAlias, char* pReserved2, sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqledrpd_api", pSqlca);
        call.text("pDbAlias", pDbAlias).ptr("pReserved2", pReserved2);
        return call.unsupported();
    });
}

DB2SIM_CHECK_TYPE(sqlepstart_api);
DB2SIM_EXPORT int sqlepstart_api(void* pStartOptions, sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqlepstart_api", pSqlca);
        call.ptr("pStartOptions", pStartOptions);
        return call.unsupported();
    });
}

DB2SIM_CHECK_TYPE(sqlepstp);
DB2SIM_EXPORT int sqlepstp(void* pStopOptions, sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqlepstp", pSqlca);
        call.ptr("pStopOptions", pStopOptions);
        return call.unsupported();
    });
}

namespace {

int activation(const char* entry, char* alias, char* user, char* password, void* reserved,
               sqlca* ca) {
    ApiCall call(entry, ca);
    call.text("pDbAlias", alias).text("pUserName", user).secret("pPassword", password);
    call.ptr("pReserved", reserved);
    return call.unsupported();
}

}  // namespace

DB2SIM_CHECK_TYPE(sqle_activate_db_api);
DB2SIM_EXPORT int sqle_activate_db_api(char* pDbAlias, char* pUserName, char* pPassword,
                                       void* pReserved, sqlca* pSqlca) {
    return guarded([&] {
        return activation("sqle_activate_db_api", pDbAlias, pUserName, pPassword, pReserved,
                          pSqlca);
    });
}

DB2SIM_CHECK_TYPE(sqle_deactivate_db_api);
DB2SIM_EXPORT int sqle_deactivate_db_api(char* pDbAlias, char* pUserName, char* pPassword,
                                         void* pReserved, sqlca* pSqlca) {
    return guarded([&] {
        return activation("sqle_deactivate_db_api", pDbAlias, pUserName, pPassword, pReserved,
                          pSqlca);
    });
}

DB2SIM_CHECK_TYPE(sqlemgdb_api);
DB2SIM_EXPORT int sqlemgdb_api(char* pDbAlias, char* pUserName, char* pPassword, sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqlemgdb_api", pSqlca);
        call.text("pDbAlias", pDbAlias).text("pUserName", pUserName);
        call.secret("pPassword", pPassword);
        return call.unsupported();
    });
}

DB2SIM_CHECK_TYPE(sqledcgd_api);
DB2SIM_EXPORT int sqledcgd_api(char* pDbAlias, char* pPath, char* pComment, sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqledcgd_api", pSqlca);
        call.text("pDbAlias", pDbAlias).text("pPath", pPath).text("pComment", pComment);
        return call.unsupported();
    });
}

DB2SIM_CHECK_TYPE(sqleaddn_api);
DB2SIM_EXPORT int sqleaddn_api(void* pAddNodeOptions, sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqleaddn_api", pSqlca);
        call.ptr("pAddNodeOptions", pAddNodeOptions);
        return call.unsupported();
    });
}

DB2SIM_CHECK_TYPE(sqledrpn_api);
DB2SIM_EXPORT int sqledrpn_api(unsigned short Action, void* pReserved, sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqledrpn_api", pSqlca);
        call.num("Action", Action).ptr("pReserved", pReserved);
        return call.unsupported();
    });
}

DB2SIM_CHECK_TYPE(sqludrdt_api);
DB2SIM_EXPORT int sqludrdt_api(char* pNodeGroupName, char* pTargetPMapFileName,
                               char* pDataDistFileName, SQL_PDB_NODE_TYPE* pAddList,
                               unsigned short AddCount, SQL_PDB_NODE_TYPE* pDropList,
                               unsigned short DropCount, unsigned char DataRedistOption,
                               sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqludrdt_api", pSqlca);
        call.text("pNodeGroupName", pNodeGroupName);
        call.text("pTargetPMapFileName", pTargetPMapFileName);
        call.text("pDataDistFileName", pDataDistFileName);
        call.ptr("pAddList", pAddList).num("AddCount", AddCount);
        call.ptr("pDropList", pDropList).num("DropCount", DropCount);
        call.num("DataRedistOption", DataRedistOption);
        return call.unsupported();
    });
}

// Data movement.
DB2SIM_CHECK_TYPE(sqluimpr_api);
DB2SIM_EXPORT int sqluimpr_api(char* pDataFileName, void* pLobPathList, void* pDataDescriptor,
                               void* pActionString, char* pFileType, void* pFileTypeMod,
                               char* pMsgFileName, short CallerAction, void* pImportInfoIn,
                               void* pImportInfoOut, sqlint32* pNullIndicators, void* pReserved,
                               sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqluimpr_api", pSqlca);
        call.text("pDataFileName", pDataFileName).ptr("pLobPathList", pLobPathList);
        call.ptr("pDataDescriptor", pDataDescriptor).ptr("pActionString", pActionString);
        call.text("pFileType", pFileType).ptr("pFileTypeMod", pFileTypeMod);
        call.text("pMsgFileName", pMsgFileName).num("CallerAction", CallerAction);
        call.ptr("pImportInfoIn", pImportInfoIn).ptr("pImportInfoOut", pImportInfoOut);
        call.ptr("pNullIndicators", pNullIndicators).ptr("pReserved", pReserved);
        return call.unsupported();
    });
}

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
