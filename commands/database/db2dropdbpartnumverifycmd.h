// DROP DBPARTITIONNUM VERIFY: asks whether the current partition holds no data and may be
// dropped. Changes nothing. Runs on a context of its own.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"

class CDB2DropDBPartNumVerifyCmd : public CDB2CmdBase {
  public:
    CDB2DropDBPartNumVerifyCmd(const tarvinex::JavaObject& command,
                               const tarvinex::JavaObject& context,
                               const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    sqlca ca;
    PrivateAPIContext ctx;
};
