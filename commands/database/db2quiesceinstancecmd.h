// QUIESCE INSTANCE: on the caller's attachment, quiesces an instance, optionally letting one
// user or group still in.
#pragma once

#include "commands/database/quiesceoptions.h"
#include "commands/db2cmdbase.h"

class CDB2QuiesceInstanceCmd : public CDB2CmdBase {
  public:
    CDB2QuiesceInstanceCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                           const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    QuiesceOptions options;
    t_string instanceName;
    t_string user;
    t_string group;
};
