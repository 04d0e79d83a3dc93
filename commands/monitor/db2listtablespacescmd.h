// LIST TABLESPACES [SHOW DETAIL]: the table spaces of the connected database, one row each;
// with details also their page counts (usage from DB2's per-table-space statistics), sizes,
// containers and state-change facts. Needs a database connection.
#pragma once

#include "commands/db2cmdbase.h"

struct SQLB_TBSPQRY_DATA;
class RowListing;

class CDB2ListTablespacesCmd : public CDB2CmdBase {
  public:
    CDB2ListTablespacesCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                           const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

    // The "Type" and "Contents" texts of a table space's flags.
    static const char* typeText(sqluint32 flags);
    static const char* contentsText(sqluint32 flags);

  private:
    // False once the listing has stopped.
    bool writeRow(const SQLB_TBSPQRY_DATA& entry, RowListing& listing);

    bool isDetail = false;
};
