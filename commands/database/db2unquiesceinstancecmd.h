// UNQUIESCE INSTANCE: on the caller's attachment, lifts the quiesce of an instance.
#pragma once

#include "commands/db2cmdbase.h"

class CDB2UnQuiesceInstanceCmd : public CDB2CmdBase {
  public:
    CDB2UnQuiesceInstanceCmd(const tarvinex::JavaObject& command,
                             const tarvinex::JavaObject& context,
                             const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    t_string instanceName;
};
