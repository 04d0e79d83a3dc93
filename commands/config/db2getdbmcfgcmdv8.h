// GET DBM CFG: the database manager configuration of the attached instance, or of the local
// instance when there is no attachment.
#pragma once

#include "commands/config/db2getcfgcmdv8.h"

class CDB2GetDbmCfgCmdV8 : public CDB2GetCfgCmdV8 {
  public:
    CDB2GetDbmCfgCmdV8(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                       const tarvinex::JavaObject& container);
};
