// The recovery history's entry points: db2HistoryOpenScan, db2HistoryGetEntry,
// db2HistoryCloseScan, db2HistoryUpdate and db2Prune. A scan lists the entries that matched when
// it opened; entries are handed out into the caller's buffers within their lengths.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "db2api/db2structs.h"
#include "db2sim/connection/users.h"
#include "db2sim/core/apicall.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/core/versionedregistry.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/recovery/historyfile.h"
#include "db2sim/recovery/historyscans.h"
#include "db2sim/recovery/historystore.h"
#include "db2sim/recovery/recoverycodes.h"
#include "db2sim/recovery/recoverydatabase.h"
#include "db2sim/recovery/recoverystate.h"

namespace db2sim {
namespace {

bool versionOk(ApiCall& call, db2Uint32 version, const void* parms, int& rc) {
    if (version < db2Version810 || parms == nullptr) {
        rc = call.fail(code::kInvalidParameter, {parms ? "versionNumber" : "pParmStruct"});
        return false;
    }
    return true;
}

// Operations a list kind takes.
bool listed(db2Uint16 kind, char operation) {
    switch (kind) {
        case DB2HISTORY_LIST_HISTORY:
            return true;
        case DB2HISTORY_LIST_BACKUP:
            return operation == history::kBackup || operation == history::kRestore;
        case DB2HISTORY_LIST_ROLLFORWARD:
            return operation == history::kRollforward;
        case DB2HISTORY_LIST_DROPPED_TABLE:
            return operation == history::kDroppedTable;
        case DB2HISTORY_LIST_REORG:
            return operation == history::kReorg;
        case DB2HISTORY_LIST_CRT_TABLESPACE:
            return operation == history::kCreateTablespace;
        case DB2HISTORY_LIST_REN_TABLESPACE:
            return operation == history::kRenameTablespace;
        case DB2HISTORY_LIST_ALT_TABLESPACE:
            return operation == history::kAlterTablespace;
        default:
            return operation == history::kLoad || operation == history::kLoadCopy;
    }
}

// The entry names `object`: its table ("NAME" or "SCHEMA.NAME") or one of its table spaces.
bool names(const HistoryEntry& entry, const std::string& object) {
    if (object.empty()) {
        return true;
    }
    std::string qualified = entry.tableQualifier + "." + entry.tableName;
    return (!entry.tableName.empty() && (object == entry.tableName || object == qualified)) ||
           std::find(entry.tablespaces.begin(), entry.tablespaces.end(), object) !=
               entry.tablespaces.end();
}

int openScan(ApiCall& call, db2Uint32 version, void* parms) {
    int rc = 0;
    if (!versionOk(call, version, parms, rc)) {
        return rc;
    }
    auto& open = *static_cast<db2HistoryOpenStruct*>(parms);
    call.text("piDatabaseAlias", open.piDatabaseAlias).text("piTimestamp", open.piTimestamp);
    call.text("piObjectName", open.piObjectName).num("iCallerAction", open.iCallerAction);
    std::string since = readParameter(open.piTimestamp, SQLU_TIME_STAMP_LEN);
    if (since.size() > SQLU_TIME_STAMP_LEN ||
        since.find_first_not_of("0123456789") != std::string::npos) {
        return call.fail(code::kInvalidParameter, {"piTimestamp"});
    }
    if (open.iCallerAction > DB2HISTORY_LIST_LOAD) {
        return call.fail(code::kInvalidParameter, {"iCallerAction"});
    }
    RecoveryRefusal refusal;
    Database* database = RecoveryDatabase::find(open.piDatabaseAlias, nullptr, nullptr, refusal);
    if (database == nullptr) {
        return call.fail(refusal.sqlcode, refusal.tokens);
    }
    HistoryContent content;
    if (!HistoryStore::read(call.instance().home(), database->name, content)) {
        return call.fail(code::kHistoryDamaged, {database->alias});
    }
    std::string object = upperCase(readParameter(open.piObjectName, 257));
    HistoryScans::Scan scan;
    scan.ctx = call.instance().contexts().current();
    db2Uint32 maxTablespaces = 0;
    for (HistoryEntry& entry : content.entries) {
        if (listed(open.iCallerAction, entry.operation) && entry.timestamp >= since &&
            names(entry, object)) {
            maxTablespaces = std::max<db2Uint32>(maxTablespaces, entry.tablespaces.size());
            scan.entries.push_back(std::move(entry));
        }
    }
    db2Uint32 rows = static_cast<db2Uint32>(scan.entries.size());
    db2Uint16 handle = HistoryScans::get().open(std::move(scan));
    if (handle == 0) {
        return call.fail(code::kHistoryScansExceeded);
    }
    open.oHandle = handle;
    open.oNumRows = rows;
    open.oMaxTbspaces = maxTablespaces;
    call.num("oHandle", handle);
    call.text("oNumRows", std::to_string(rows).c_str());
    return call.succeed();
}

// Writes `text` into the caller's buffer within its length; terminated when there is room.
void put(db2Char& field, const std::string& text) {
    field.oLength = 0;
    if (field.pioData == nullptr || field.iLength == 0) {
        return;
    }
    size_t length = std::min<size_t>(text.size(), field.iLength);
    std::memcpy(field.pioData, text.data(), length);
    if (length < field.iLength) {
        field.pioData[length] = '\0';
    }
    field.oLength = static_cast<db2Uint32>(length);
}

void putEventSqlca(sqlca* ca, std::int32_t sqlcode) {
    if (ca == nullptr) {
        return;
    }
    std::memset(ca, 0, sizeof(*ca));
    std::memcpy(ca->sqlcaid, "SQLCA   ", 8);
    ca->sqlcabc = sizeof(*ca);
    ca->sqlcode = sqlcode;
}

// Fills the entry; true when every table space fitted.
bool fill(db2HistoryData& data, const HistoryEntry& entry, db2Uint16 action) {
    bool all = action == DB2HISTORY_GET_ALL;
    bool entryPart = action != DB2HISTORY_GET_DDL;
    put(data.oObjectPart, entry.objectPart());
    put(data.oEndTime, entryPart ? entry.endTime : "");
    put(data.oFirstLog, entryPart ? entry.firstLog : "");
    put(data.oLastLog, entryPart ? entry.lastLog : "");
    put(data.oID, entryPart ? entry.backupId : "");
    put(data.oTableQualifier, entryPart ? entry.tableQualifier : "");
    put(data.oTableName, entryPart ? entry.tableName : "");
    put(data.oLocation, entryPart ? entry.location : "");
    put(data.oComment, entryPart ? entry.comment : "");
    put(data.oCommandText, all || !entryPart ? entry.commandText : "");
    data.oLastLSN.lsnWord[0] = 0;
    data.oLastLSN.lsnWord[1] = static_cast<unsigned short>(entry.eid >> 16);
    data.oLastLSN.lsnWord[2] = static_cast<unsigned short>(entry.eid & 0xFFFF);
    data.oEID.ioNode = 0;
    data.oEID.ioHID = entry.eid;
    data.oOperation = entry.operation;
    data.oObject = entry.object;
    data.oOptype = entry.optype;
    data.oStatus = entry.status;
    data.oDeviceType = entry.deviceType;
    putEventSqlca(data.poEventSQLCA, entry.sqlcode);
    data.oNumTablespaces = static_cast<db2Uint32>(entry.tablespaces.size());
    size_t room = data.poTablespace == nullptr ? 0 : data.iNumTablespaces;
    for (size_t i = 0; i < entry.tablespaces.size() && i < room; ++i) {
        put(data.poTablespace[i], entry.tablespaces[i]);
    }
    return entry.tablespaces.size() <= room;
}

int getEntry(ApiCall& call, db2Uint32 version, void* parms) {
    int rc = 0;
    if (!versionOk(call, version, parms, rc)) {
        return rc;
    }
    auto& get = *static_cast<db2HistoryGetEntryStruct*>(parms);
    call.num("iHandle", get.iHandle).num("iCallerAction", get.iCallerAction);
    if (get.pioHistData == nullptr ||
        std::memcmp(get.pioHistData->ioHistDataID, SQLUHINF_EYECATCHER, 8) != 0) {
        return call.fail(code::kInvalidParameter, {"pioHistData"});
    }
    if (get.iCallerAction > DB2HISTORY_GET_ALL) {
        return call.fail(code::kInvalidParameter, {"iCallerAction"});
    }
    HistoryScans::Scan* scan = HistoryScans::get().find(get.iHandle);
    if (scan == nullptr || scan->ctx != call.instance().contexts().current()) {
        return call.fail(code::kInvalidParameter, {"iHandle"});
    }
    if (scan->next >= scan->entries.size()) {
        return call.fail(code::kNoMoreEntries);
    }
    const HistoryEntry& entry = scan->entries[scan->next++];
    call.text("oObjectPart", entry.objectPart().c_str()).num("oEID", entry.eid);
    if (!fill(*get.pioHistData, entry, get.iCallerAction)) {
        return call.fail(code::kHistoryTablespacesChanged);
    }
    return call.succeed();
}

int closeScan(ApiCall& call, db2Uint32 version, void* parms) {
    int rc = 0;
    if (!versionOk(call, version, parms, rc)) {
        return rc;
    }
    db2Uint16 handle = *static_cast<db2Uint16*>(parms);
    call.num("handle", handle);
    HistoryScans::Scan* scan = HistoryScans::get().find(handle);
    if (scan == nullptr || scan->ctx != call.instance().contexts().current()) {
        return call.fail(code::kInvalidParameter, {"iHandle"});
    }
    HistoryScans::get().close(handle);
    return call.succeed();
}

// The database the calling context is connected to, or null.
const Database* connectedDatabase(ApiCall& call) {
    void* ctx = call.instance().contexts().current();
    std::optional<Connection> connection =
        ctx == nullptr ? std::nullopt : Manager::get().connections().connectionOf(ctx);
    if (!connection) {
        return nullptr;
    }
    for (const Database& database : Manager::get().databases().all()) {
        if (upperCase(database.name) == upperCase(connection->database)) {
            return &database;
        }
    }
    return nullptr;
}

// The new values of an update, checked; null leaves a field as it is.
const char* applyUpdate(const db2HistoryUpdateStruct& u, HistoryEntry& entry) {
    std::string location = readParameter(u.piNewLocation, historywidth::kLocation);
    std::string device = readParameter(u.piNewDeviceType, 1);
    std::string comment = readParameter(u.piNewComment, historywidth::kComment);
    std::string status = readParameter(u.piNewStatus, 1);
    if (location.size() > historywidth::kLocation) {
        return "piNewLocation";
    }
    if (u.piNewDeviceType != nullptr && device.size() != 1) {
        return "piNewDeviceType";
    }
    if (comment.size() > historywidth::kComment) {
        return "piNewComment";
    }
    if (u.piNewStatus != nullptr &&
        (status.size() != 1 || std::string("ADEIX").find(status[0]) == std::string::npos)) {
        return "piNewStatus";
    }
    entry.location = u.piNewLocation != nullptr ? location : entry.location;
    entry.deviceType = u.piNewDeviceType != nullptr ? device[0] : entry.deviceType;
    entry.comment = u.piNewComment != nullptr ? comment : entry.comment;
    entry.status = u.piNewStatus != nullptr ? status[0] : entry.status;
    return nullptr;
}

int update(ApiCall& call, db2Uint32 version, void* parms) {
    int rc = 0;
    if (!versionOk(call, version, parms, rc)) {
        return rc;
    }
    auto& u = *static_cast<db2HistoryUpdateStruct*>(parms);
    call.text("piNewLocation", u.piNewLocation).text("piNewDeviceType", u.piNewDeviceType);
    call.text("piNewComment", u.piNewComment).text("piNewStatus", u.piNewStatus);
    call.num("iEID.ioNode", u.iEID.ioNode).num("iEID.ioHID", u.iEID.ioHID);
    const Database* database = connectedDatabase(call);
    if (database == nullptr) {
        return call.fail(code::kNoConnection);
    }
    StateHome& home = call.instance().home();
    HistoryContent content;
    if (!HistoryStore::read(home, database->name, content)) {
        return call.fail(code::kHistoryDamaged, {database->alias});
    }
    auto found = std::find_if(content.entries.begin(), content.entries.end(),
                              [&](const HistoryEntry& e) { return e.eid == u.iEID.ioHID; });
    if (u.iEID.ioNode != 0 || found == content.entries.end()) {
        return call.fail(code::kHistoryEntryNotFound, {std::to_string(u.iEID.ioHID)});
    }
    HistoryEntry changed = *found;
    if (const char* fault = applyUpdate(u, changed)) {
        return call.fail(code::kInvalidParameter, {fault});
    }
    *found = std::move(changed);
    HistoryStore::write(home, database->name, content);
    return call.succeed();
}

// The first entry of the most recent restore set: the newest full database backup.
std::string restoreSetStart(const HistoryContent& content) {
    std::string start;
    for (const HistoryEntry& entry : content.entries) {
        if (entry.operation == history::kBackup && entry.object == history::kDatabase &&
            (entry.optype == 'F' || entry.optype == 'N') && entry.timestamp > start) {
            start = entry.timestamp;
        }
    }
    return start;
}

// With "and delete", the images of pruned backups that the stand-in keeps itself (those sent to
// a storage manager, in the state folder) go too. Images in the caller's own folders are never
// touched.
template <class Pruned>
void deleteKeptImages(const StateHome& home, const HistoryContent& content, Pruned pruned) {
    const std::string kept = home.path() + "/";
    for (const HistoryEntry& entry : content.entries) {
        if (pruned(entry) && entry.operation == history::kBackup &&
            entry.location.compare(0, kept.size(), kept) == 0 &&
            entry.location.find("/../") == std::string::npos) {
            std::remove(entry.location.c_str());
        }
    }
}

int pruneHistory(ApiCall& call, const Database& database, const std::string& stamp,
                 db2Uint32 options) {
    if (stamp.size() < 4 || stamp.size() > SQLU_TIME_STAMP_LEN ||
        stamp.find_first_not_of("0123456789") != std::string::npos) {
        return call.fail(code::kInvalidParameter, {"piString"});
    }
    StateHome& home = call.instance().home();
    HistoryContent content;
    if (!HistoryStore::read(home, database.name, content)) {
        return call.fail(code::kHistoryDamaged, {database.alias});
    }
    std::string keepFrom =
        (options & DB2PRUNE_OPTION_FORCE) != 0 ? std::string() : restoreSetStart(content);
    auto pruned = [&](const HistoryEntry& entry) {
        return entry.timestamp.compare(0, stamp.size(), stamp) <= 0 &&
               entry.status != history::kDoNotDelete &&
               (keepFrom.empty() || entry.timestamp < keepFrom);
    };
    if ((options & DB2PRUNE_OPTION_DELETE) != 0) {
        deleteKeptImages(home, content, pruned);
    }
    size_t before = content.entries.size();
    content.entries.erase(std::remove_if(content.entries.begin(), content.entries.end(), pruned),
                          content.entries.end());
    call.num("pruned", static_cast<long long>(before - content.entries.size()));
    HistoryStore::write(home, database.name, content);
    return call.succeed();
}

int pruneLogs(ApiCall& call, const Database& database, const std::string& log) {
    if (log.empty() || log.size() > 7 || log.find_first_not_of("0123456789") != std::string::npos) {
        return call.fail(code::kInvalidParameter, {"piString"});
    }
    if (!RecoveryDatabase::recoverable(database.name)) {
        return call.fail(code::kPruneLogNotAllowed);
    }
    StateHome& home = call.instance().home();
    RecoveryState state = RecoveryState::load(home, database.name);
    std::uint32_t first = static_cast<std::uint32_t>(std::stoul(log));
    state.firstLog = std::max(state.firstLog, std::min(first, state.currentLog));
    state.save(home, database.name);
    return call.succeed();
}

int prune(ApiCall& call, db2Uint32 version, void* parms) {
    int rc = 0;
    if (!versionOk(call, version, parms, rc)) {
        return rc;
    }
    auto& p = *static_cast<db2PruneStruct*>(parms);
    call.text("piString", p.piString).num("iEID.ioHID", p.iEID.ioHID);
    call.num("iAction", p.iAction).num("iOptions", p.iOptions);
    const Database* database = connectedDatabase(call);
    if (database == nullptr) {
        return call.fail(code::kNoConnection);
    }
    std::string text = readParameter(p.piString, SQLU_TIME_STAMP_LEN);
    if (p.iAction == DB2PRUNE_ACTION_HISTORY) {
        return pruneHistory(call, *database, text, p.iOptions);
    }
    if (p.iAction == DB2PRUNE_ACTION_LOG) {
        return pruneLogs(call, *database, text);
    }
    return call.fail(code::kInvalidParameter, {"iAction"});
}

const VersionedRegistration kOpenScan("db2HistoryOpenScan", &openScan);
const VersionedRegistration kGetEntry("db2HistoryGetEntry", &getEntry);
const VersionedRegistration kCloseScan("db2HistoryCloseScan", &closeScan);
const VersionedRegistration kUpdate("db2HistoryUpdate", &update);
const VersionedRegistration kPrune("db2Prune", &prune);

}  // namespace
}  // namespace db2sim
