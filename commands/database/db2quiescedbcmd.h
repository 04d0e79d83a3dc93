// QUIESCE DATABASE: on the caller's connection, quiesces the database it is connected to.
#pragma once

#include "commands/database/quiesceoptions.h"
#include "commands/db2cmdbase.h"

class CDB2QuiesceDBCmd : public CDB2CmdBase {
  public:
    CDB2QuiesceDBCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                     const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    QuiesceOptions options;
    t_string dbName;
};
