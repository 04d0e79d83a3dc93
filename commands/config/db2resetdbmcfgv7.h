// RESET DBM CFG: returns the database-manager configuration of the attached instance to DB2's
// defaults (sqlfrsys). Needs an instance attachment; without one it raises the requirement
// message and creates no context of its own.
#pragma once

#include "commands/db2cmdbase.h"

class CDB2ResetDBMCfgV7 : public CDB2CmdBase {
  public:
    CDB2ResetDBMCfgV7(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                      const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;
};
