// UPDATE DB CFG: changes the configuration of the connected database (no database is named, so
// the database connection is always required).
#pragma once

#include "commands/config/db2updatecfgcmdv8.h"

class CDB2UpdateDBCfgCmdV8 : public CDB2UpdateCfgCmdV8 {
  public:
    CDB2UpdateDBCfgCmdV8(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                         const tarvinex::JavaObject& container);

    bool SetupContext() override;
};
