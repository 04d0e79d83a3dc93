#include "commands/database/db2quiescedbcmd.h"

#include <cstring>

#include "db2api/db2api.h"
#include "db2api/db2structs.h"

CDB2QuiesceDBCmd::CDB2QuiesceDBCmd(const tarvinex::JavaObject& command,
                                   const tarvinex::JavaObject& context,
                                   const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2QuiesceDBCmd::SetupData() {
    const tarvinex::JavaObject quiesce(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandQuiesceDatabase").c_str());
    options = QuiesceOptions::read(quiesce);
    // The database is the one the caller is connected to, whatever the command object holds.
    dbName = contextObj.getDatabaseAlias();
    return true;
}

bool CDB2QuiesceDBCmd::SetupContext() {
    return setupDatabaseContext();
}

void CDB2QuiesceDBCmd::FreeData(bool) {}

bool CDB2QuiesceDBCmd::CallDB2API() {
    db2DbQuiesceStruct parms;
    std::memset(&parms, 0, sizeof(parms));
    parms.piDatabaseName = dbName.data();
    parms.iImmediate = options.immediate();
    parms.iForce = options.force;
    parms.iTimeout = options.timeout;
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().db2DatabaseQuiesce(db2Version810, &parms, &ca);
    return checkDB2Call(rc, ca);
}
