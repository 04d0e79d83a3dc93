// MIGRATE DATABASE: brings a database made by an older release up to the client's, on a context
// of its own.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"

class CDB2MigrateDatabaseCmd : public CDB2CmdBase {
  public:
    CDB2MigrateDatabaseCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                           const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    t_string alias;
    t_string username;
    t_string password;
    PrivateAPIContext ctx;
};
