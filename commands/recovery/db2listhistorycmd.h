// LIST HISTORY: the entries of a database's recovery history, one row of nineteen columns each.
// Runs on the stored instance attachment, else on a context of its own, ended on every path;
// the scan is closed on every path once it is open.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"
#include "db2api/db2structs.h"

class HistoryEntry;
class HistoryScan;
class RowListing;

class CDB2ListHistoryCmd : public CDB2CmdBase {
  public:
    CDB2ListHistoryCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                       const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    bool listEntries(HistoryScan& scan, RowListing& listing);
    static void writeRow(const HistoryEntry& entry, RowListing& listing);

    int version = 0;
    PrivateAPIContext ctx;
    t_string dbAlias, timestamp, objectName;
    db2Uint16 listKind = DB2HISTORY_LIST_HISTORY;
};
