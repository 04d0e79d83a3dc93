#include "commands/config/db2updatecfgcmdbase.h"

CDB2UpdateCfgCmdBase::CDB2UpdateCfgCmdBase(const tarvinex::JavaObject& command,
                                           const tarvinex::JavaObject& context,
                                           const tarvinex::JavaObject& container,
                                           bool instanceLevel)
    : CDB2CmdBase(command, context, container), isInstanceLevel(instanceLevel) {}

bool CDB2UpdateCfgCmdBase::SetupContext() {
    return setupInstanceContext();
}
