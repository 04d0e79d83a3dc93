// UNCATALOG DCS DATABASE: removes the entry of a local database name from the DCS directory. A
// name longer than 8 characters is refused: cut, it could name another entry. Runs on a context
// of its own.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/directory/dcsentryparameters.h"
#include "commands/privateapicontext.h"

class CDB2UnCatalogDCSDBCmd : public CDB2CmdBase {
  public:
    CDB2UnCatalogDCSDBCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                          const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    DcsEntryParameters entry;
    PrivateAPIContext ctx;
};
