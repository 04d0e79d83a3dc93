#include "commands/recovery/db2initializetapecmd.h"

CDB2InitializeTapeCmd::CDB2InitializeTapeCmd(const tarvinex::JavaObject& command,
                                             const tarvinex::JavaObject& context,
                                             const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2InitializeTapeCmd::SetupContext() {
    return true;
}

bool CDB2InitializeTapeCmd::SetupData() {
    return true;
}

void CDB2InitializeTapeCmd::FreeData(bool) {}

bool CDB2InitializeTapeCmd::CallDB2API() {
    return true;
}
