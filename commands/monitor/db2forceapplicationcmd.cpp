#include "commands/monitor/db2forceapplicationcmd.h"

#include <string>

#include "db2api/db2api.h"
#include "db2api/db2apicontext.h"
#include "db2api/db2structs.h"

CDB2ForceApplicationCmd::CDB2ForceApplicationCmd(const tarvinex::JavaObject& command,
                                                 const tarvinex::JavaObject& context,
                                                 const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2ForceApplicationCmd::SetupData() {
    const tarvinex::JavaObject command(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandForceApplication").c_str());
    appHandles = command.callStringMethod("getAppHandleString");
    theMode = command.callBooleanMethod("getModeAsync", JNI_FALSE) == JNI_TRUE;
    if (ExceptionOccurred()) {
        return false;  // the empty text it left behind would mean "all"
    }
    std::string error;
    if (!agentIds.parse(appHandles, error)) {
        throwJavaException(error.c_str());
        return false;
    }
    return true;
}

bool CDB2ForceApplicationCmd::SetupContext() {
    return setupInstanceContext();
}

bool CDB2ForceApplicationCmd::CallDB2API() {
    sqlca ca = zeroedSqlca();
    const db2::DB2API& api = db2::DB2API::Instance();
    const int rc = agentIds.empty()
                       ? api.ForceApplication(SQL_ALL_USERS, nullptr, SQL_ASYNCH, &ca)
                       : api.ForceApplication(agentIds.count(), agentIds.data(), SQL_ASYNCH, &ca);
    return checkDB2Call(rc, ca);
}

void CDB2ForceApplicationCmd::FreeData(bool) {
    db2::CDB2APIContext::DetachCurrentCtx();
}
