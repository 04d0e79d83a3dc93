// A scan of the recovery history (db2HistoryOpenScan / GetEntry / CloseScan), owned: once an open
// has succeeded the scan is closed exactly once, by close() or, on any other path, when the
// owner goes (the answer then ignored: the command has failed already).
#pragma once

#include "db2api/db2structs.h"

class CDB2CmdBase;

class HistoryScan {
  public:
    explicit HistoryScan(db2Uint32 apiLevel) : level(apiLevel) {}
    ~HistoryScan();
    HistoryScan(const HistoryScan&) = delete;
    HistoryScan& operator=(const HistoryScan&) = delete;

    // Opens a scan of the entries of `kind` (DB2HISTORY_LIST_...); null texts ask for all.
    // Judged by the command's caller convention.
    bool open(CDB2CmdBase& command, char* alias, char* timestamp, char* objectName, db2Uint16 kind);
    enum class Next { kEntry, kEnd, kFailed };
    // Reads the next entry, all of it that `entry`'s buffers have room for. kEnd when DB2 has no
    // more (fewer than announced); kFailed with the exception raised.
    Next next(CDB2CmdBase& command, db2HistoryData& entry);
    // Closes the scan, judged by the caller convention; true when none was open.
    bool close(CDB2CmdBase& command);

    db2Uint32 rows() const { return numRows; }
    db2Uint32 maxTablespaces() const { return maxTbspaces; }

  private:
    int closeScan(sqlca& ca);

    db2Uint32 level;
    bool isOpen = false;
    db2Uint16 handle = 0;
    db2Uint32 numRows = 0;
    db2Uint32 maxTbspaces = 0;
};
