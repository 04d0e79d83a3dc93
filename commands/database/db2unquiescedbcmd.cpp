#include "commands/database/db2unquiescedbcmd.h"

#include <cstring>

#include "db2api/db2api.h"
#include "db2api/db2structs.h"

CDB2UnQuiesceDBCmd::CDB2UnQuiesceDBCmd(const tarvinex::JavaObject& command,
                                       const tarvinex::JavaObject& context,
                                       const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2UnQuiesceDBCmd::SetupData() {
    dbName = contextObj.getDatabaseAlias();
    return true;
}

bool CDB2UnQuiesceDBCmd::SetupContext() {
    return setupDatabaseContext();
}

void CDB2UnQuiesceDBCmd::FreeData(bool) {}

bool CDB2UnQuiesceDBCmd::CallDB2API() {
    db2DbUnquiesceStruct parms;
    std::memset(&parms, 0, sizeof(parms));
    parms.piDatabaseName = dbName.data();
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().db2DatabaseUnquiesce(db2Version810, &parms, &ca);
    return checkDB2Call(rc, ca);
}
