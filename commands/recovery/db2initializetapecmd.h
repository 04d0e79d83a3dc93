// INITIALIZE TAPE. No command type leads to it and it makes no DB2 call: the client library
// offers no entry point for it.
#pragma once

#include "commands/db2cmdbase.h"

class CDB2InitializeTapeCmd : public CDB2CmdBase {
  public:
    CDB2InitializeTapeCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                          const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;
};
