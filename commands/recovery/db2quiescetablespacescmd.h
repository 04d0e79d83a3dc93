// QUIESCE TABLESPACES FOR TABLE: quiesces (or resets) the table spaces of a table of the
// connected database.
#pragma once

#include "commands/db2cmdbase.h"
#include "db2api/db2structs.h"

class CDB2QuiesceTablespacesCmd : public CDB2CmdBase {
  public:
    CDB2QuiesceTablespacesCmd(const tarvinex::JavaObject& command,
                              const tarvinex::JavaObject& context,
                              const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    t_string tablename;
    sqlint32 quiesceMode = SQLU_QUIESCEMODE_SHARE;
};
