// CATALOG DCS DATABASE: adds an entry to the DCS directory. Texts longer than their fields are
// cut to the field. Runs on a context of its own.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/directory/dcsentryparameters.h"
#include "commands/privateapicontext.h"

class CDB2CatalogDCSDBCmd : public CDB2CmdBase {
  public:
    CDB2CatalogDCSDBCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                        const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    DcsEntryParameters entry;
    PrivateAPIContext ctx;
};
