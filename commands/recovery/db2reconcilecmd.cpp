#include "commands/recovery/db2reconcilecmd.h"

#include <algorithm>

#include "commands/database/nullabletext.h"
#include "db2api/db2api.h"

namespace {

const char kClassName[] = "DB2CommandReconcile";

}  // namespace

CDB2ReconcileCmd::CDB2ReconcileCmd(const tarvinex::JavaObject& command,
                                   const tarvinex::JavaObject& context,
                                   const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2ReconcileCmd::SetupData() {
    version = std::min(contextObj.getClientVersion(), contextObj.getDatabaseVersion());
    const tarvinex::JavaObject reconcile(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName(kClassName).c_str());
    tableName = reconcile.callStringMethod("getTableName");
    exTableName = reconcile.callStringMethod("getExceptionTableName");
    reportFileName = reconcile.callStringMethod("getFileName");
    return true;
}

bool CDB2ReconcileCmd::SetupContext() {
    return setupDatabaseContext();
}

void CDB2ReconcileCmd::FreeData(bool) {}

bool CDB2ReconcileCmd::CallDB2API() {
    if (version >= 9.0) {
        throwJavaException("The RECONCILE command is not supported in DB2 version9");
        return false;
    }
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().Reconcile(textOrNull(tableName), textOrNull(exTableName),
                                                     textOrNull(reportFileName), nullptr, &ca);
    return checkDB2Call(rc, ca);
}
