// DETACH: detaches the stored instance connection context from its instance, ends it and clears
// it in the run-time context. Without a stored context it does nothing and returns false; when DB2
// cannot make the context current it raises DB2's text and keeps the attachment.
#pragma once

#include "commands/db2cmdbase.h"

class CDB2DetachCmd : public CDB2CmdBase {
  public:
    CDB2DetachCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                  const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    void* ctx = nullptr;
};
