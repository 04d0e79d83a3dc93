#include "commands/recovery/db2listhistorycmd.h"

#include <string>

#include "commands/database/nullabletext.h"
#include "commands/fieldnumber.h"
#include "commands/recovery/historyentry.h"
#include "commands/recovery/historyscan.h"
#include "commands/recovery/recoveryversion.h"
#include "commands/recovery/storedorprivatecontext.h"
#include "commands/rowlisting.h"
#include "commands/utilityversion.h"

namespace {

const char kClassName[] = "DB2CommandListHistory";

const char* const kColumns[] = {
    "Timestamp Sequence",
    "End Time",
    "First Log",
    "Last Log",
    "ID",
    "Table Qualifier",
    "Table Name",
    "Location",
    "Comment",
    "Command Text",
    "Last Log Seq Num",
    "Entry ID",
    "Tablespace",
    "Operation",
    "OpType",
    "Object",
    "Status",
    "Device Type",
    "sqlca error code",
};

}  // namespace

CDB2ListHistoryCmd::CDB2ListHistoryCmd(const tarvinex::JavaObject& command,
                                       const tarvinex::JavaObject& context,
                                       const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2ListHistoryCmd::SetupData() {
    if (!RecoveryVersion::read(contextObj, version)) {
        return false;
    }
    const tarvinex::JavaObject list(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName(kClassName).c_str());
    dbAlias = list.callStringMethod("getDbAlias");
    timestamp = list.callStringMethod("getTimestamp");
    const t_string tableName = list.callStringMethod("getTableName");
    const t_string tablespaceName = list.callStringMethod("getTablespaceName");
    objectName = tableName.empty() ? tablespaceName : tableName;
    return FieldNumber::narrow(getEnv(), "getHistoryOptionValue",
                               list.callIntegerMethod("getHistoryOptionValue", 0), listKind);
}

bool CDB2ListHistoryCmd::SetupContext() {
    return StoredOrPrivateContext::setup(*this, {contextObj.getInstanceConnectionContext()}, ctx);
}

void CDB2ListHistoryCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2ListHistoryCmd::CallDB2API() {
    HistoryScan scan(UtilityVersion::apiLevel(version));
    if (!scan.open(*this, textOrNull(dbAlias), textOrNull(timestamp), textOrNull(objectName),
                   listKind)) {
        return false;
    }
    RowListing listing(containerObj);
    if (!listing.addColumns(kColumns, std::size(kColumns))) {
        return false;
    }
    return listEntries(scan, listing) && listing.finish() && scan.close(*this);
}

bool CDB2ListHistoryCmd::listEntries(HistoryScan& scan, RowListing& listing) {
    HistoryEntry entry;
    entry.prepareAll(scan.maxTablespaces());
    for (db2Uint32 i = 0; i < scan.rows(); ++i) {
        switch (scan.next(*this, entry.next())) {
            case HistoryScan::Next::kEntry:
                break;
            case HistoryScan::Next::kEnd:
                return true;
            case HistoryScan::Next::kFailed:
                return false;
        }
        if (!listing.newRow()) {
            return false;
        }
        writeRow(entry, listing);
    }
    return true;
}

void CDB2ListHistoryCmd::writeRow(const HistoryEntry& entry, RowListing& listing) {
    const db2HistoryData& data = entry.data();
    const db2Char* const texts[] = {
        &data.oObjectPart, &data.oEndTime,        &data.oFirstLog,  &data.oLastLog,
        &data.oID,         &data.oTableQualifier, &data.oTableName, &data.oLocation,
        &data.oComment,    &data.oCommandText,
    };
    int column = 1;
    for (const db2Char* text : texts) {
        listing.set(column++, HistoryEntry::text(*text));
    }
    listing.set(column++, entry.lastLsn());
    listing.set(column++, std::to_string(data.oEID.ioHID));
    listing.set(column++, entry.tablespaceNames());
    // Each letter under the column that names it: "OpType" holds the operation's type, "Object"
    // the granularity.
    for (const char* flag :
         {&data.oOperation, &data.oOptype, &data.oObject, &data.oStatus, &data.oDeviceType}) {
        listing.set(column++, HistoryEntry::flag(*flag));
    }
    listing.set(column, std::to_string(data.poEventSQLCA->sqlcode));
}
