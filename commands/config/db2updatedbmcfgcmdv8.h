// UPDATE DBM CFG: changes the database manager configuration of the attached instance.
#pragma once

#include "commands/config/db2updatecfgcmdv8.h"

class CDB2UpdateDBMCfgCmdV8 : public CDB2UpdateCfgCmdV8 {
  public:
    CDB2UpdateDBMCfgCmdV8(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                          const tarvinex::JavaObject& container);
};
