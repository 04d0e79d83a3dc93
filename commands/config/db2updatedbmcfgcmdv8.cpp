#include "commands/config/db2updatedbmcfgcmdv8.h"

CDB2UpdateDBMCfgCmdV8::CDB2UpdateDBMCfgCmdV8(const tarvinex::JavaObject& command,
                                             const tarvinex::JavaObject& context,
                                             const tarvinex::JavaObject& container)
    : CDB2UpdateCfgCmdV8(command, context, container, true) {}
