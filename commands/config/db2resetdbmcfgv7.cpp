#include "commands/config/db2resetdbmcfgv7.h"

#include "db2api/db2api.h"

CDB2ResetDBMCfgV7::CDB2ResetDBMCfgV7(const tarvinex::JavaObject& command,
                                     const tarvinex::JavaObject& context,
                                     const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2ResetDBMCfgV7::SetupData() {
    return true;
}

bool CDB2ResetDBMCfgV7::SetupContext() {
    return setupInstanceContext();
}

bool CDB2ResetDBMCfgV7::CallDB2API() {
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().ResetDBMCfgV7(&ca);
    return checkDB2Call(rc, ca);
}

// The context belongs to the run-time context and the entry's guard detaches it.
void CDB2ResetDBMCfgV7::FreeData(bool) {}
