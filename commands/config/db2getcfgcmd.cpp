#include "commands/config/db2getcfgcmd.h"

#include "db2api/contexthandleregistry.h"
#include "db2api/db2apicontext.h"

namespace {

const char* const kColumnNames[] = {"NAME",     "VALUE",      "DELAYED_VALUE",
                                    "TOKEN_ID", "VALUE_FLAG", "DELAYED_VALUE_FLAG"};

}  // namespace

CDB2GetCfgCmd::CDB2GetCfgCmd(const tarvinex::JavaObject& command,
                             const tarvinex::JavaObject& context,
                             const tarvinex::JavaObject& container, bool instanceLevel)
    : CDB2CmdBase(command, context, container), isInstanceLevel(instanceLevel) {}

bool CDB2GetCfgCmd::SetupContext() {
    void* stored =
        db2::ContextHandleRegistry::FromHandle(contextObj.getInstanceConnectionContext());
    if (stored != nullptr) {
        db2::CDB2APIContext::AttachCtx(stored);
        return true;
    }
    return ctx.Begin();
}

bool CDB2GetCfgCmd::SetupColumnInfo(RowListing& listing) {
    return listing.addColumns(kColumnNames, sizeof(kColumnNames) / sizeof(kColumnNames[0]));
}
