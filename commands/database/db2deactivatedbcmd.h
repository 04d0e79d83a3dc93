// DEACTIVATE DATABASE: stops the database services once the last application has gone.
#pragma once

#include "commands/database/db2activationcmdbase.h"

class CDB2DeActivateDBCmd : public CDB2ActivationCmdBase {
  public:
    using CDB2ActivationCmdBase::CDB2ActivationCmdBase;

  protected:
    int callEntryPoint(char* pAlias, char* pUserName, char* pPassword, sqlca* ca) override;
};
