// db2Backup: writes an image file holding every state file of the database (see DatabaseFiles)
// and its line in the list of databases, records the backup in the history and hands back the
// time stamp, the application id and the size. An online backup closes the active log.
#include <algorithm>
#include <cstring>
#include <fstream>

#include "db2api/db2structs.h"
#include "db2sim/connection/users.h"
#include "db2sim/core/apicall.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/core/versionedregistry.h"
#include "db2sim/database/tablestore.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/recovery/backupimage.h"
#include "db2sim/recovery/databasefiles.h"
#include "db2sim/recovery/historystore.h"
#include "db2sim/recovery/imagemedia.h"
#include "db2sim/recovery/recoverycodes.h"
#include "db2sim/recovery/recoverydatabase.h"
#include "db2sim/recovery/recoveryjournal.h"
#include "db2sim/recovery/recoverystate.h"
#include "db2sim/recovery/recoverytime.h"

namespace db2sim {
namespace {

void journal(ApiCall& call, const db2BackupStruct& b) {
    call.text("piDBAlias", b.piDBAlias).text("piUsername", b.piUsername);
    call.secret("piPassword", b.piPassword);
    call.text("piTablespaceList", RecoveryJournal::tablespaces(b.piTablespaceList).c_str());
    call.text("piMediaList", RecoveryJournal::media(b.piMediaList).c_str());
    call.num("iVendorOptionsSize", b.iVendorOptionsSize).num("iCallerAction", b.iCallerAction);
    call.num("iBufferSize", b.iBufferSize).num("iNumBuffers", b.iNumBuffers);
    call.num("iParallelism", b.iParallelism);
    call.text("iOptions", RecoveryJournal::hex(b.iOptions).c_str());
    call.num("iUtilImpactPriority", b.iUtilImpactPriority);
    call.text("piComprLibrary", b.piComprLibrary).num("iComprOptionsSize", b.iComprOptionsSize);
}

std::string databaseLine(const Database& database) {
    std::string line;
    for (const auto& [key, value] : database.more) {
        line += (line.empty() ? "" : "\t") + key + "=" + value;
    }
    return line.empty() ? "release=" : line;
}

// The table spaces a table space backup names, checked against the database's.
bool namedTablespaces(const db2BackupStruct& b, const std::string& name,
                      std::vector<std::string>& out, RecoveryRefusal& refusal) {
    const db2TablespaceStruct* list = b.piTablespaceList;
    if (list == nullptr || list->numTablespaces == 0 || list->tablespaces == nullptr ||
        list->numTablespaces > ImageMedia::kMaxLocations) {
        refusal = {code::kInvalidParameter, {"piTablespaceList"}};
        return false;
    }
    std::vector<std::string> known = RecoveryDatabase::tablespaces(name);
    for (db2Uint32 i = 0; i < list->numTablespaces; ++i) {
        std::string tablespace = upperCase(readParameter(list->tablespaces[i], 128));
        if (std::find(known.begin(), known.end(), tablespace) == known.end()) {
            refusal = {code::kBadTablespaceName, {tablespace}};
            return false;
        }
        out.push_back(tablespace);
    }
    return true;
}

// What the database's state allows of this backup, or 0.
int stateRefusal(const std::string& name, db2Uint32 options) {
    bool online = (options & DB2BACKUP_ONLINE) != 0;
    if (RecoveryDatabase::rollforwardPending(name) != 0) {
        return code::kBackupRollforwardPending;
    }
    if (!online && RecoveryDatabase::inUse(name)) {
        return code::kDatabaseInUse;
    }
    if (online && !RecoveryDatabase::recoverable(name)) {
        return code::kOnlineNeedsArchiveLogs;
    }
    if ((options & DB2BACKUP_TABLESPACE) == DB2BACKUP_TABLESPACE &&
        !RecoveryDatabase::recoverable(name)) {
        return code::kTablespaceNeedsArchiveLogs;
    }
    if ((options & DB2BACKUP_INCREMENTAL) != 0 && !RecoveryDatabase::trackmod(name)) {
        return code::kIncrementalNeedsTrackmod;
    }
    return 0;
}

// A time stamp after the database's last backup and free in the target folder.
std::string freeTimestamp(const std::string& name, const std::string& alias,
                          const std::string& folder) {
    std::string stamp = RecoveryTime::now();
    HistoryContent content;
    if (HistoryStore::read(Instance::get().home(), name, content)) {
        for (const HistoryEntry& entry : content.entries) {
            if (entry.operation == history::kBackup && entry.timestamp >= stamp) {
                stamp = RecoveryTime::next(entry.timestamp);
            }
        }
    }
    while (!ImageMedia::find(folder, alias, stamp).empty()) {
        stamp = RecoveryTime::next(stamp);
    }
    return stamp;
}

char optype(db2Uint32 options) {
    bool online = (options & DB2BACKUP_ONLINE) != 0;
    if ((options & DB2BACKUP_DELTA) == DB2BACKUP_DELTA) {
        return online ? 'E' : 'D';
    }
    if ((options & DB2BACKUP_INCREMENTAL) != 0) {
        return online ? 'O' : 'I';
    }
    return online ? 'N' : 'F';
}

bool writeImage(const std::string& path, const std::string& bytes) {
    std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

void recordBackup(const BackupImage& image, const db2BackupStruct& b, const std::string& folder,
                  const std::string& path, std::uint32_t firstLog, std::uint32_t lastLog) {
    HistoryEntry entry;
    entry.operation = history::kBackup;
    entry.object = image.tablespaceLevel() ? history::kTablespace : history::kDatabase;
    entry.optype = optype(image.options);
    entry.deviceType = ImageMedia::deviceType(b.piMediaList->locationType);
    entry.timestamp = image.timestamp;
    entry.endTime = RecoveryTime::now();
    entry.firstLog = RecoveryState::logName(firstLog);
    entry.lastLog = RecoveryState::logName(lastLog);
    entry.location = b.piMediaList->locationType == 'L' ? folder : path;
    entry.tablespaces = image.tablespaces.empty() ? RecoveryDatabase::tablespaces(image.database)
                                                  : image.tablespaces;
    entry.commandText = "BACKUP DATABASE " + image.alias;
    HistoryStore::add(Instance::get().home(), image.database, std::move(entry));
}

void handBack(db2BackupStruct& b, const BackupImage& image, size_t bytes) {
    putTerminated(b.oTimestamp, sizeof(b.oTimestamp), image.timestamp);
    putTerminated(b.oApplicationId, sizeof(b.oApplicationId),
                  RecoveryDatabase::applicationId(image.timestamp));
    const size_t megabyte = 1024 * 1024;
    b.oBackupSize = static_cast<db2Uint32>(std::max<size_t>(1, (bytes + megabyte - 1) / megabyte));
}

int backup(ApiCall& call, db2Uint32 version, void* parms) {
    if (version < db2Version810 || parms == nullptr) {
        return call.fail(code::kInvalidParameter, {parms ? "versionNumber" : "pParmStruct"});
    }
    auto& b = *static_cast<db2BackupStruct*>(parms);
    journal(call, b);
    if (b.iCallerAction == DB2BACKUP_CONTINUE || b.iCallerAction == DB2BACKUP_TERMINATE) {
        return call.fail(code::kCallOutOfSequence);
    }
    if (b.iCallerAction != DB2BACKUP_BACKUP && b.iCallerAction != DB2BACKUP_NOINTERRUPT) {
        return call.fail(code::kInvalidParameter, {"iCallerAction"});
    }
    RecoveryRefusal refusal;
    Database* database = RecoveryDatabase::find(b.piDBAlias, b.piUsername, b.piPassword, refusal);
    std::vector<std::string> folders;
    if (database == nullptr || !ImageMedia::folders(b.piMediaList, folders, refusal)) {
        return call.fail(refusal.sqlcode, refusal.tokens);
    }
    BackupImage image;
    image.options = b.iOptions;
    if (image.tablespaceLevel() &&
        !namedTablespaces(b, database->name, image.tablespaces, refusal)) {
        return call.fail(refusal.sqlcode, refusal.tokens);
    }
    if (int refused = stateRefusal(database->name, b.iOptions)) {
        return call.fail(refused, {database->alias});
    }
    StateHome& home = call.instance().home();
    RecoveryState state = RecoveryState::load(home, database->name);
    std::uint32_t firstLog = state.currentLog;
    if (image.online()) {
        ++state.currentLog;  // the backup closes the active log, which the image then needs
        state.save(home, database->name);
    }
    TableStore::get().with(database->name,
                           [&](DatabaseTables& tables) { return tables.saveAll(home); });
    image.alias = upperCase(database->alias);
    image.database = database->name;
    image.instance = call.instance().name();
    image.release = call.instance().product();
    image.timestamp = freeTimestamp(database->name, image.alias, folders.front());
    image.databaseLine = databaseLine(*database);
    image.files = DatabaseFiles::collect(home, database->name, RecoveryDatabase::names());
    std::string bytes = BackupImageCodec::encode(image);
    std::string path =
        folders.front() + "/" + ImageMedia::imageName(image.alias, image.instance, image.timestamp);
    if (!writeImage(path, bytes)) {
        return call.fail(code::kPathMissing, {folders.front()});
    }
    recordBackup(image, b, folders.front(), path, firstLog, firstLog);
    handBack(b, image, bytes.size());
    call.text("oTimestamp", image.timestamp.c_str()).text("image", path.c_str());
    return call.succeed();
}

const VersionedRegistration kBackup("db2Backup", &backup);

}  // namespace
}  // namespace db2sim
