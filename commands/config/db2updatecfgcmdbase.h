// Changing configuration: the level (database manager or database) and the context the change
// runs in. The data steps belong to the derived classes; there are no result rows.
#pragma once

#include "commands/db2cmdbase.h"

class CDB2UpdateCfgCmdBase : public CDB2CmdBase {
  public:
    CDB2UpdateCfgCmdBase(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                         const tarvinex::JavaObject& container, bool instanceLevel);

    // Instance level: the stored attachment, or "Error: This command requires instance
    // connection!".
    bool SetupContext() override;

  protected:
    bool isV8 = false;
    bool isInstanceLevel;
    t_string m_strAlias;  // never filled: the database level changes the connected database
};
