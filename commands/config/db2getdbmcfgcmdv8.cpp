#include "commands/config/db2getdbmcfgcmdv8.h"

CDB2GetDbmCfgCmdV8::CDB2GetDbmCfgCmdV8(const tarvinex::JavaObject& command,
                                       const tarvinex::JavaObject& context,
                                       const tarvinex::JavaObject& container)
    : CDB2GetCfgCmdV8(command, context, container, true) {}
