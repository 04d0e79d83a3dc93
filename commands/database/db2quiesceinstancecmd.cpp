#include "commands/database/db2quiesceinstancecmd.h"

#include <cstring>

#include "db2api/db2api.h"
#include "db2api/db2structs.h"

CDB2QuiesceInstanceCmd::CDB2QuiesceInstanceCmd(const tarvinex::JavaObject& command,
                                               const tarvinex::JavaObject& context,
                                               const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2QuiesceInstanceCmd::SetupData() {
    const tarvinex::JavaObject quiesce(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandQuiesceInstance").c_str());
    options = QuiesceOptions::read(quiesce);
    instanceName = quiesce.callStringMethod("getInstanceName");
    user = quiesce.callStringMethod("getUser");
    group = quiesce.callStringMethod("getGroup");
    return true;
}

bool CDB2QuiesceInstanceCmd::SetupContext() {
    return setupInstanceContext();
}

void CDB2QuiesceInstanceCmd::FreeData(bool) {}

bool CDB2QuiesceInstanceCmd::CallDB2API() {
    db2InsQuiesceStruct parms;
    std::memset(&parms, 0, sizeof(parms));
    // User and group go to DB2 even when empty; DB2 reads "" as not given.
    parms.piInstanceName = instanceName.data();
    parms.piUserId = user.data();
    parms.piGroupId = group.data();
    parms.iImmediate = options.immediate();
    parms.iForce = options.force;
    parms.iTimeout = options.timeout;
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().db2InstanceQuiesce(db2Version810, &parms, &ca);
    return checkDB2Call(rc, ca);
}
