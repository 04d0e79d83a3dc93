// UNCATALOG DATABASE: removes an alias from the system database directory. Runs on a context of
// its own.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"

class CDB2UnCatalogDBCmd : public CDB2CmdBase {
  public:
    CDB2UnCatalogDBCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                       const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    t_string alias;
    PrivateAPIContext ctx;
};
