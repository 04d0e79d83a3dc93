#include "commands/database/db2unquiesceinstancecmd.h"

#include <cstring>

#include "db2api/db2api.h"
#include "db2api/db2structs.h"

CDB2UnQuiesceInstanceCmd::CDB2UnQuiesceInstanceCmd(const tarvinex::JavaObject& command,
                                                   const tarvinex::JavaObject& context,
                                                   const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2UnQuiesceInstanceCmd::SetupData() {
    const tarvinex::JavaObject unquiesce(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandUnQuiesceInstance").c_str());
    instanceName = unquiesce.callStringMethod("getInstanceName");
    return true;
}

bool CDB2UnQuiesceInstanceCmd::SetupContext() {
    return setupInstanceContext();
}

void CDB2UnQuiesceInstanceCmd::FreeData(bool) {}

bool CDB2UnQuiesceInstanceCmd::CallDB2API() {
    db2InsUnquiesceStruct parms;
    std::memset(&parms, 0, sizeof(parms));
    parms.piInstanceName = instanceName.data();
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().db2InstanceUnquiesce(db2Version810, &parms, &ca);
    return checkDB2Call(rc, ca);
}
