// DROP DATABASE by alias, on the attached instance.
#pragma once

#include "commands/db2cmdbase.h"

class CDB2DropDBCmd : public CDB2CmdBase {
  public:
    CDB2DropDBCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                  const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    t_string alias;
};
