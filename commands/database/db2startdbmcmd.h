// START DBM: starts the instance (or a partition of it), locally or, with a version 8 client,
// a remote instance through its administration server. Runs on a context of its own.
#pragma once

#include "commands/database/startparameters.h"
#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"

class CDB2StartDBMCmd : public CDB2CmdBase {
  public:
    CDB2StartDBMCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                    const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    bool startV8();
    bool startOlder();

    PrivateAPIContext ctx;
    StartParameters parameters;
    bool version8 = true;  // read with the parameters: the client is 8.0 or later
};
