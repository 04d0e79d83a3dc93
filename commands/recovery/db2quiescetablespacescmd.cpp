#include "commands/recovery/db2quiescetablespacescmd.h"

#include "db2api/db2api.h"

namespace {

const char kClassName[] = "DB2CommandQuiesceTablespaces";
const char kRequiresConnection[] = "This command requires a database connection!";

}  // namespace

CDB2QuiesceTablespacesCmd::CDB2QuiesceTablespacesCmd(const tarvinex::JavaObject& command,
                                                     const tarvinex::JavaObject& context,
                                                     const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2QuiesceTablespacesCmd::SetupData() {
    const t_string className = tarvinex::JavaObject::getDB2CommandClassName(kClassName);
    const tarvinex::JavaObject quiesce(commandObj, className.c_str());
    tablename = quiesce.callStringMethod("getTablename");
    quiesceMode = quiesce.getEnumIntValue(
        "getQuiesceMode", (className + "$EnumQuiesceMode").c_str(), SQLU_QUIESCEMODE_SHARE);
    return true;
}

bool CDB2QuiesceTablespacesCmd::SetupContext() {
    return setupStoredContext(contextObj.getDatabaseConnectionContext(), kRequiresConnection);
}

void CDB2QuiesceTablespacesCmd::FreeData(bool) {}

bool CDB2QuiesceTablespacesCmd::CallDB2API() {
    sqlca ca = zeroedSqlca();
    const int rc =
        db2::DB2API::Instance().QuiesceTablespaces(tablename.data(), quiesceMode, nullptr, &ca);
    return checkDB2Call(rc, ca);
}
