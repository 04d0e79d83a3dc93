#include "commands/database/db2restartdatabasecmd.h"

#include <cstring>

#include "commands/database/nullabletext.h"
#include "db2api/db2api.h"
#include "db2api/db2structs.h"

CDB2RestartDatabaseCmd::CDB2RestartDatabaseCmd(const tarvinex::JavaObject& command,
                                               const tarvinex::JavaObject& context,
                                               const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2RestartDatabaseCmd::SetupData() {
    const tarvinex::JavaObject restart(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandRestartDatabase").c_str());
    alias = restart.callStringMethod("getAlias");
    userId = restart.callStringMethod("getUserName");
    password = restart.callStringMethod("getPassword");
    tablespaces = restart.callStringMethod("getTablespaceString");
    writeResume = restart.callBooleanMethod("getWriteResume", JNI_FALSE) != JNI_FALSE;
    versionNumber = contextObj.getClientVersion() >= 8.0 ? db2Version810 : db2Version710;
    return true;
}

bool CDB2RestartDatabaseCmd::SetupContext() {
    return beginPrivateContext(ctx);
}

void CDB2RestartDatabaseCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2RestartDatabaseCmd::CallDB2API() {
    db2RestartDbStruct parms;
    std::memset(&parms, 0, sizeof(parms));
    // User and password go as given, even empty: DB2 then uses the caller's own authority.
    parms.piDatabaseName = alias.data();
    parms.piUserId = userId.data();
    parms.piPassword = password.data();
    parms.piTablespaceNames = textOrNull(tablespaces);
    parms.iOption = writeResume ? DB2_DB_RESUME_WRITE : DB2_DB_SUSPEND_NONE;
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().DB2DatabaseRestart(versionNumber, &parms, &ca);
    return checkDB2Call(rc, ca);
}
