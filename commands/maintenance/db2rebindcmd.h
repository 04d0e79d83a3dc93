// REBIND: rebinds a package of the connected database, with at most three options.
#pragma once

#include "commands/maintenance/optionblock.h"
#include "commands/db2cmdbase.h"

class CDB2RebindCmd : public CDB2CmdBase {
  public:
    CDB2RebindCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                  const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    OptionBlock options;
    sqlopt* rebindOptions = nullptr;
    t_string packageName;
};
