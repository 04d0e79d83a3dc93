#include "commands/database/db2migratedatabasecmd.h"

#include "db2api/db2api.h"

CDB2MigrateDatabaseCmd::CDB2MigrateDatabaseCmd(const tarvinex::JavaObject& command,
                                               const tarvinex::JavaObject& context,
                                               const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2MigrateDatabaseCmd::SetupData() {
    const tarvinex::JavaObject migrate(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandMigrateDatabase").c_str());
    alias = migrate.callStringMethod("getAlias");
    username = migrate.callStringMethod("getUsername");
    password = migrate.callStringMethod("getPassword");
    return true;
}

bool CDB2MigrateDatabaseCmd::SetupContext() {
    return beginPrivateContext(ctx);
}

void CDB2MigrateDatabaseCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2MigrateDatabaseCmd::CallDB2API() {
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().MigrateDatabase(alias.data(), username.data(),
                                                           password.data(), &ca);
    return checkDB2Call(rc, ca);
}
