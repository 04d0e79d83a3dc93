// LIST TABLESPACE CONTAINERS FOR n [SHOW DETAIL]: the containers of one table space of the
// connected database, one row each; with details also their pages, whether they are
// accessible, and how many table spaces share them. Needs a database connection.
#pragma once

#include "commands/db2cmdbase.h"

struct SQLB_TBSCONTQRY_DATA;
class RowListing;

class CDB2ListTablespaceContainerCmd : public CDB2CmdBase {
  public:
    CDB2ListTablespaceContainerCmd(const tarvinex::JavaObject& command,
                                   const tarvinex::JavaObject& context,
                                   const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

    static const char* typeText(sqluint32 contType);

  private:
    bool writeRow(const SQLB_TBSCONTQRY_DATA& entry, RowListing& listing) const;

    bool isDetail = false;
    sqluint32 tablespaceId = 0;
};
