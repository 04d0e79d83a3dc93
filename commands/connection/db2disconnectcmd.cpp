#include "commands/connection/db2disconnectcmd.h"

#include "commands/connection/storedconnection.h"

CDB2DisconnectCmd::CDB2DisconnectCmd(const tarvinex::JavaObject& command,
                                     const tarvinex::JavaObject& context,
                                     const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

CDB2DisconnectCmd::~CDB2DisconnectCmd() = default;

bool CDB2DisconnectCmd::SetupData() {
    connection = std::make_unique<StoredConnection>(contextObj);
    return connection->exists();
}

bool CDB2DisconnectCmd::SetupContext() {
    return connection->Prepare(*this);
}

bool CDB2DisconnectCmd::CallDB2API() {
    connection->Close();
    contextObj.setDatabaseConnectionContext(0, 0, 0);
    return true;
}

void CDB2DisconnectCmd::FreeData(bool) {}
