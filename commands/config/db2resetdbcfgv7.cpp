#include "commands/config/db2resetdbcfgv7.h"

#include <vector>

#include "db2api/db2api.h"

CDB2ResetDBCfgV7::CDB2ResetDBCfgV7(const tarvinex::JavaObject& command,
                                   const tarvinex::JavaObject& context,
                                   const tarvinex::JavaObject& container)
    : CDB2ResetDBMCfgV7(command, context, container) {}

bool CDB2ResetDBCfgV7::SetupData() {
    const tarvinex::JavaObject reset(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandResetDBConfigure").c_str());
    aliasName = reset.callStringMethod("getAlias");
    return true;
}

bool CDB2ResetDBCfgV7::CallDB2API() {
    // sqlfrdb takes a writable, NUL-terminated alias.
    std::vector<char> alias(aliasName.begin(), aliasName.end());
    alias.push_back('\0');
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().ResetDBCfgV7(alias.data(), &ca);
    return checkDB2Call(rc, ca);
}
