#include "commands/database/db2dropdbcmd.h"

#include "db2api/db2api.h"

namespace {

const char kJavaClass[] = "DB2CommandDropDatabase";

}  // namespace

CDB2DropDBCmd::CDB2DropDBCmd(const tarvinex::JavaObject& command,
                             const tarvinex::JavaObject& context,
                             const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2DropDBCmd::SetupData() {
    const t_string className = tarvinex::JavaObject::getDB2CommandClassName(kJavaClass);
    alias = tarvinex::JavaObject(commandObj, className.c_str()).getFieldString("Alias");
    return true;
}

bool CDB2DropDBCmd::SetupContext() {
    return setupInstanceContext();
}

void CDB2DropDBCmd::FreeData(bool) {}

bool CDB2DropDBCmd::CallDB2API() {
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().DropDatabase(alias.data(), nullptr, &ca);
    return checkDB2Call(rc, ca);
}
