#include "commands/database/db2redistributedbpartgroupcmd.h"

#include "commands/database/nullabletext.h"
#include "db2api/db2api.h"
#include "db2api/db2apicontext.h"

CDB2RedistributeDBPartGroupCmd::CDB2RedistributeDBPartGroupCmd(
    const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
    const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {
    ca = zeroedSqlca();
}

bool CDB2RedistributeDBPartGroupCmd::SetupData() {
    const tarvinex::JavaObject redistribute(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandRedistributeDBPartGroup").c_str());
    nodeGroupName = redistribute.callStringMethod("getDbPartartitionGroup");
    targetPMapFileName = redistribute.callStringMethod("getTargetMap");
    dataDistFileName = redistribute.callStringMethod("getDistFile");
    // DB2 knows the letters; we pass the first one as it comes.
    const t_string option = redistribute.callStringMethod("getRedistributeOptionValue");
    dataRedistOption = option.empty() ? 0 : static_cast<unsigned char>(option[0]);
    return true;
}

bool CDB2RedistributeDBPartGroupCmd::SetupContext() {
    return setupDatabaseContext();
}

void CDB2RedistributeDBPartGroupCmd::FreeData(bool) {
    // The connection's context stays alive; only the thread lets go of it.
    db2::CDB2APIContext::DetachCurrentCtx();
}

bool CDB2RedistributeDBPartGroupCmd::CallDB2API() {
    ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().RedistGroup(
        textOrNull(nodeGroupName), textOrNull(targetPMapFileName), textOrNull(dataDistFileName),
        nullptr, 0, nullptr, 0, dataRedistOption, &ca);
    return checkDB2Call(rc, ca);
}
