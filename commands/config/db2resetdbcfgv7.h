// RESET DB CFG: returns one database's configuration to DB2's defaults (sqlfrdb), the database
// named by the command's alias, through the instance attachment.
#pragma once

#include "commands/config/db2resetdbmcfgv7.h"

class CDB2ResetDBCfgV7 : public CDB2ResetDBMCfgV7 {
  public:
    CDB2ResetDBCfgV7(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                     const tarvinex::JavaObject& container);

    bool SetupData() override;
    bool CallDB2API() override;

  private:
    t_string aliasName;
};
