#include "commands/maintenance/db2setutilimpactprioritycmd.h"

#include "commands/fieldnumber.h"
#include "db2api/db2api.h"
#include "db2api/db2structs.h"

CDB2SetUtilImpactPriorityCmd::CDB2SetUtilImpactPriorityCmd(const tarvinex::JavaObject& command,
                                                           const tarvinex::JavaObject& context,
                                                           const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2SetUtilImpactPriorityCmd::SetupData() {
    const tarvinex::JavaObject cmd(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandSetUtilImpactPriority").c_str());
    const int id = cmd.callintMethod("getUtilityId");
    const int value = cmd.callintMethod("getPriority");
    if (ExceptionOccurred()) {
        return false;
    }
    // Both fields are unsigned: a negative number would reach DB2 as a huge one.
    return FieldNumber::narrow(getEnv(), "getUtilityId()", id, utilityId) &&
           FieldNumber::narrow(getEnv(), "getPriority()", value, priority);
}

bool CDB2SetUtilImpactPriorityCmd::SetupContext() {
    return setupInstanceContext();
}

void CDB2SetUtilImpactPriorityCmd::FreeData(bool) {}

bool CDB2SetUtilImpactPriorityCmd::CallDB2API() {
    db2UtilityControlStruct control{};
    control.iID = utilityId;
    control.iAttribute = DB2UTILCTRL_PRIORITY_ATTRIB;
    control.pioValue = &priority;
    sqlca ca = zeroedSqlca();
    // The structure has not changed since 9000000, whatever the client's version.
    const int rc = db2::DB2API::Instance().SetUtilImpactPriority(db2Version900, &control, &ca);
    return checkDB2Call(rc, ca);
}
