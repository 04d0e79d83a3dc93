// LIST INDOUBT TRANSACTIONS: the XA transactions of the connected database that wait for a
// commit or rollback decision, one row each. Needs a database connection.
#pragma once

#include "commands/db2cmdbase.h"

struct SQLXA_RECOVER;
class RowListing;

class CDB2ListIndoubtTransCmd : public CDB2CmdBase {
  public:
    CDB2ListIndoubtTransCmd(const tarvinex::JavaObject& command,
                            const tarvinex::JavaObject& context,
                            const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    static bool writeRow(const SQLXA_RECOVER& entry, RowListing& listing);
};
