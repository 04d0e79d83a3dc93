// DISCONNECT: closes the stored database connection (CLI connection and environment, then its DB2
// context) and clears it in the run-time context. DB2's answers to the closing calls are ignored;
// without a stored connection it does nothing and returns false. Handles that belong to another
// connection, or a context DB2 cannot make current, fail it with a message and close nothing.
#pragma once

#include <memory>

#include "commands/db2cmdbase.h"

class StoredConnection;

class CDB2DisconnectCmd : public CDB2CmdBase {
  public:
    CDB2DisconnectCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                      const tarvinex::JavaObject& container);
    ~CDB2DisconnectCmd() override;

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    std::unique_ptr<StoredConnection> connection;
};
