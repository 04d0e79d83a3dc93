// RECONCILE: reconciles the DATALINK columns of a table of the connected database. DB2 9 has no
// such utility: against a version 9 client or server the command refuses without a DB2 call.
#pragma once

#include "commands/db2cmdbase.h"

class CDB2ReconcileCmd : public CDB2CmdBase {
  public:
    CDB2ReconcileCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                     const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    double version = 0.0;  // the smaller of the client's and the database's short versions
    t_string tableName, exTableName, reportFileName;
};
