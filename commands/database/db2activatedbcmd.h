// ACTIVATE DATABASE: starts the database services so that the first connection need not wait.
#pragma once

#include "commands/database/db2activationcmdbase.h"

class CDB2ActivateDBCmd : public CDB2ActivationCmdBase {
  public:
    using CDB2ActivationCmdBase::CDB2ActivationCmdBase;

  protected:
    int callEntryPoint(char* pAlias, char* pUserName, char* pPassword, sqlca* ca) override;
};
