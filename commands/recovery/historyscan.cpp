#include "commands/recovery/historyscan.h"

#include "commands/db2cmdbase.h"
#include "db2api/db2api.h"

namespace {

// sqlcode of a get past the last entry.
constexpr sqlint32 kNoMoreEntries = 1014;

}  // namespace

HistoryScan::~HistoryScan() {
    if (isOpen) {
        sqlca ca = zeroedSqlca();
        closeScan(ca);
    }
}

bool HistoryScan::open(CDB2CmdBase& command, char* alias, char* timestamp, char* objectName,
                       db2Uint16 kind) {
    db2HistoryOpenStruct parms{};
    parms.piDatabaseAlias = alias;
    parms.piTimestamp = timestamp;
    parms.piObjectName = objectName;
    parms.iCallerAction = kind;
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().ListHistoryOpen(level, &parms, &ca);
    if (rc == db2::kEntryPointMissing && ca.sqlcode == 0) {
        return command.checkDB2Call(rc, ca);
    }
    if (ca.sqlcode >= 0) {
        // Open from here on, whatever Java makes of a warning.
        isOpen = true;
        handle = parms.oHandle;
        numRows = parms.oNumRows;
        maxTbspaces = parms.oMaxTbspaces;
    }
    return command.checkDB2Call(rc, ca);
}

HistoryScan::Next HistoryScan::next(CDB2CmdBase& command, db2HistoryData& entry) {
    db2HistoryGetEntryStruct parms{};
    parms.pioHistData = &entry;
    parms.iHandle = handle;
    parms.iCallerAction = DB2HISTORY_GET_ALL;
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().ListHistoryGetEntry(level, &parms, &ca);
    if (rc != db2::kEntryPointMissing && ca.sqlcode == kNoMoreEntries) {
        return Next::kEnd;
    }
    return command.checkDB2Call(rc, ca) ? Next::kEntry : Next::kFailed;
}

bool HistoryScan::close(CDB2CmdBase& command) {
    if (!isOpen) {
        return true;
    }
    sqlca ca = zeroedSqlca();
    const int rc = closeScan(ca);
    return command.checkDB2Call(rc, ca);
}

int HistoryScan::closeScan(sqlca& ca) {
    isOpen = false;
    return db2::DB2API::Instance().ListHistoryClose(level, &handle, &ca);
}
