// RESTART DATABASE: crash recovery of a database, on a context of its own; optionally drops
// table spaces that cannot be recovered and resumes writes after a suspend.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"
#include "db2api/db2types.h"

class CDB2RestartDatabaseCmd : public CDB2CmdBase {
  public:
    CDB2RestartDatabaseCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                           const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    PrivateAPIContext ctx;
    db2Uint32 versionNumber = 0;
    t_string alias;
    t_string userId;
    t_string password;
    t_string tablespaces;
    bool writeResume = false;
};
