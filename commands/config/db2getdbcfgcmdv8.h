// GET DB CFG: the configuration of one database, named by alias (the connected one when the alias
// is empty).
//
// The connected database, or any alias in detail mode, is read through the database connection.
// Another database in normal mode is read through the instance attachment, never through the
// connection of a different database; without an attachment the command fails with the
// instance requirement message and DB2 is not called.
#pragma once

#include "commands/config/db2getcfgcmdv8.h"

class CDB2GetDbCfgCmdV8 : public CDB2GetCfgCmdV8 {
  public:
    CDB2GetDbCfgCmdV8(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                      const tarvinex::JavaObject& container);

    bool SetupContext() override;

  private:
    bool namesConnectedDatabase() const;
};
