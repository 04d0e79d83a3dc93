#include "commands/connection/db2detachcmd.h"

#include "commands/createdcontext.h"
#include "db2api/contexthandleregistry.h"
#include "db2api/db2api.h"

CDB2DetachCmd::CDB2DetachCmd(const tarvinex::JavaObject& command,
                             const tarvinex::JavaObject& context,
                             const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2DetachCmd::SetupData() {
    ctx = db2::ContextHandleRegistry::FromHandle(contextObj.getInstanceConnectionContext());
    return ctx != nullptr;
}

bool CDB2DetachCmd::SetupContext() {
    return makeCurrent(ctx);
}

bool CDB2DetachCmd::CallDB2API() {
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().DetachNode(&ca);
    if (rc == db2::kEntryPointMissing && ca.sqlcode == 0) {
        return false;  // nothing was done: the attachment and its context stay
    }
    // Whatever DB2 says about the detach, the context is ended and forgotten.
    CreatedContext::End(ctx);
    contextObj.setInstanceConnectionContext(0);
    return true;
}

void CDB2DetachCmd::FreeData(bool) {}
