// BIND: binds a bind file to the connected database as a package (DB2 replaces a package of
// the same name by default). Options are sent only for the getters that return a value.
#pragma once

#include "commands/maintenance/optionblock.h"
#include "commands/db2cmdbase.h"

class CDB2BindCmd : public CDB2CmdBase {
  public:
    CDB2BindCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    OptionBlock options;
    sqlopt* option = nullptr;
    t_string bindFileName;
    t_string msgFileName;
};
