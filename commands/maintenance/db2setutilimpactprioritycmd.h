// SET UTIL_IMPACT_PRIORITY: changes the impact priority of a running utility of the attached
// instance.
#pragma once

#include "commands/db2cmdbase.h"

class CDB2SetUtilImpactPriorityCmd : public CDB2CmdBase {
  public:
    CDB2SetUtilImpactPriorityCmd(const tarvinex::JavaObject& command,
                                 const tarvinex::JavaObject& context,
                                 const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    db2Uint32 utilityId = 0;
    db2Uint32 priority = 0;
};
