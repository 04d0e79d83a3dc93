// UNQUIESCE DATABASE: on the caller's connection, lifts the quiesce of the database it is
// connected to.
#pragma once

#include "commands/db2cmdbase.h"

class CDB2UnQuiesceDBCmd : public CDB2CmdBase {
  public:
    CDB2UnQuiesceDBCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                       const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    t_string dbName;
};
