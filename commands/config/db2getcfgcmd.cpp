#include "commands/config/db2getcfgcmd.h"

#include "db2api/contexthandleregistry.h"

namespace {

const char* const kColumnNames[] = {"NAME",     "VALUE",      "DELAYED_VALUE",
                                    "TOKEN_ID", "VALUE_FLAG", "DELAYED_VALUE_FLAG"};

}  // namespace

CDB2GetCfgCmd::CDB2GetCfgCmd(const tarvinex::JavaObject& command,
                             const tarvinex::JavaObject& context,
                             const tarvinex::JavaObject& container, bool instanceLevel)
    : CDB2CmdBase(command, context, container), isInstanceLevel(instanceLevel) {}

bool CDB2GetCfgCmd::SetupContext() {
    const int id = contextObj.getInstanceConnectionContext();
    if (ExceptionOccurred()) {
        return false;
    }
    void* stored = db2::ContextHandleRegistry::FromHandle(id);
    if (stored != nullptr) {
        return makeCurrent(stored);
    }
    return beginPrivateContext(ctx);
}

bool CDB2GetCfgCmd::SetupColumnInfo(RowListing& listing) {
    return listing.addColumns(kColumnNames, sizeof(kColumnNames) / sizeof(kColumnNames[0]));
}
