#include "commands/database/db2activationcmdbase.h"

#include "commands/database/nullabletext.h"

CDB2ActivationCmdBase::CDB2ActivationCmdBase(const tarvinex::JavaObject& command,
                                             const tarvinex::JavaObject& context,
                                             const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2ActivationCmdBase::SetupData() {
    // Deactivate objects answer the activate class's getters too.
    const tarvinex::JavaObject activation(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandActivateDatabase").c_str());
    alias = activation.callStringMethod("getAlias");
    userId = activation.callStringMethod("getUserId");
    password = activation.callStringMethod("getPassword");
    return true;
}

bool CDB2ActivationCmdBase::SetupContext() {
    return beginPrivateContext(ctx);
}

void CDB2ActivationCmdBase::FreeData(bool) {
    ctx.End();
}

bool CDB2ActivationCmdBase::CallDB2API() {
    sqlca ca = zeroedSqlca();
    const int rc = callEntryPoint(alias.data(), textOrNull(userId), textOrNull(password), &ca);
    return checkDB2Call(rc, ca);
}
