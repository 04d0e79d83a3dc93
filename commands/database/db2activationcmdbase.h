// ACTIVATE and DEACTIVATE DATABASE share everything but the entry point: both read the
// activate command's getters and run on a context of their own.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"

class CDB2ActivationCmdBase : public CDB2CmdBase {
  public:
    CDB2ActivationCmdBase(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                          const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  protected:
    // The one DB2 call: activate or deactivate, with an empty user or password as null.
    virtual int callEntryPoint(char* pAlias, char* pUserName, char* pPassword, sqlca* ca) = 0;

  private:
    t_string alias;
    t_string userId;
    t_string password;
    PrivateAPIContext ctx;
};
