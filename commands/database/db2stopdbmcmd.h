// STOP DBM: stops the instance or one partition of it. Runs on a context of its own.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"

class CDB2StopDBMCmd : public CDB2CmdBase {
  public:
    CDB2StopDBMCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                   const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    bool stopV8();
    bool stopOlder();

    PrivateAPIContext ctx;
    t_string profile;
    int partitionNum = 0;
    int stopMode = 0;
    bool version8 = true;  // read with the parameters: the client is 8.0 or later
};
