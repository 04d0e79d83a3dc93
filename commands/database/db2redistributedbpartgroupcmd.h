// REDISTRIBUTE DATABASE PARTITION GROUP: on the caller's connection, spreads a partition group's
// data anew (uniformly, by a target map, or continuing or rolling back an earlier run).
#pragma once

#include "commands/db2cmdbase.h"

class CDB2RedistributeDBPartGroupCmd : public CDB2CmdBase {
  public:
    CDB2RedistributeDBPartGroupCmd(const tarvinex::JavaObject& command,
                                   const tarvinex::JavaObject& context,
                                   const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    sqlca ca;
    t_string nodeGroupName;
    t_string targetPMapFileName;
    t_string dataDistFileName;
    unsigned char dataRedistOption = 0;
};
