#include "commands/monitor/db2resetmonitorcmd.h"

#include <vector>

#include "db2api/db2api.h"
#include "db2api/db2structs.h"

CDB2ResetMonitorCmd::CDB2ResetMonitorCmd(const tarvinex::JavaObject& command,
                                         const tarvinex::JavaObject& context,
                                         const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2ResetMonitorCmd::SetupData() {
    const tarvinex::JavaObject command(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName("DB2CommandResetMonitor").c_str());
    isDCS = command.callBooleanMethod("getIsDCS", JNI_FALSE) == JNI_TRUE;
    dbAlias = command.callStringMethod("getDatabaseAlias");
    dbPartition = command.callIntegerMethod("getDbPartitionNum", -1);
    isGlobal = command.callBooleanMethod("getIsGlobal", JNI_FALSE) == JNI_TRUE;
    version8 = contextObj.getClientVersion() >= 8.0;
    return true;
}

bool CDB2ResetMonitorCmd::SetupContext() {
    return setupInstanceContext();
}

bool CDB2ResetMonitorCmd::CallDB2API() {
    std::vector<char> alias(dbAlias.begin(), dbAlias.end());
    alias.push_back('\0');
    db2ResetMonitorData data{};
    data.iResetAll = dbAlias.empty() ? 1 : 0;
    data.piDbAlias = alias.data();
    data.iVersion = SQLM_DBMON_VERSION7;
    data.iNodeNumber = isGlobal ? SQLM_ALL_NODES : dbPartition;
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().ResetMonitor(version8 ? 8010000 : 7010000, &data, &ca);
    return checkDB2Call(rc, ca);
}

void CDB2ResetMonitorCmd::FreeData(bool) {}
