// db2Restore: finds an image by alias and time stamp in the media list's folders, checks it
// whole, and puts the database's state files back under the target database (the same one, or
// a new one it creates: list of databases, home directory entry, configuration, table spaces,
// tables, packages), then reloads what other areas keep in memory. The database is left pending a
// rollforward when the image was online or the caller did not decline it. A redirected restore
// and a restore over an existing database wait for the caller's continue (PendingRestores).
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "db2api/db2structs.h"
#include "db2sim/config/configuration.h"
#include "db2sim/connection/users.h"
#include "db2sim/core/apicall.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/core/versionedregistry.h"
#include "db2sim/database/dbopsdatabases.h"
#include "db2sim/database/tablestore.h"
#include "db2sim/directory/directoriescodes.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/recovery/backupimage.h"
#include "db2sim/recovery/databasefiles.h"
#include "db2sim/recovery/historystore.h"
#include "db2sim/recovery/imagemedia.h"
#include "db2sim/recovery/pendingrestores.h"
#include "db2sim/recovery/recoverycodes.h"
#include "db2sim/recovery/recoverydatabase.h"
#include "db2sim/recovery/recoveryjournal.h"
#include "db2sim/recovery/recoverystate.h"
#include "db2sim/recovery/recoverytime.h"
#include "db2sim/maintenance/packagestore.h"

namespace db2sim {
namespace {

constexpr db2Uint32 kRestoreStorDef = 100;  // redirected: stop for containers, then continue
constexpr db2Uint32 kStorDefNoInterrupt = 101;

void journal(ApiCall& call, const db2RestoreStruct& r) {
    call.text("piSourceDBAlias", r.piSourceDBAlias).text("piTargetDBAlias", r.piTargetDBAlias);
    call.text("piTimestamp", r.piTimestamp).text("piTargetDBPath", r.piTargetDBPath);
    call.text("piUsername", r.piUsername).secret("piPassword", r.piPassword);
    call.text("piTablespaceList", RecoveryJournal::tablespaces(r.piTablespaceList).c_str());
    call.text("piMediaList", RecoveryJournal::media(r.piMediaList).c_str());
    call.num("iCallerAction", r.iCallerAction);
    call.text("iOptions", RecoveryJournal::hex(r.iOptions).c_str());
    call.text("piNewLogPath", r.piNewLogPath).text("piLogTarget", r.piLogTarget);
}

bool isFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The one image the request names, read and checked.
bool findImage(const db2RestoreStruct& r, const std::string& alias, PendingRestore& restore,
               RecoveryRefusal& refusal) {
    std::string stamp = readParameter(r.piTimestamp, SQLU_TIME_STAMP_LEN);
    if (stamp.size() > SQLU_TIME_STAMP_LEN ||
        stamp.find_first_not_of("0123456789") != std::string::npos) {
        refusal = {code::kInvalidTimestamp, {stamp}};
        return false;
    }
    std::vector<std::string> folders;
    if (!ImageMedia::folders(r.piMediaList, folders, refusal)) {
        return false;
    }
    std::vector<ImageMedia::Found> found;
    for (const std::string& folder : folders) {
        for (ImageMedia::Found& image : ImageMedia::find(folder, alias, stamp)) {
            found.push_back(std::move(image));
        }
    }
    if (found.size() != 1) {
        refusal = {found.empty() ? code::kNoImage : code::kTooManyImages, {}};
        return false;
    }
    restore.imagePath = found.front().path;
    std::ifstream in(restore.imagePath, std::ios::binary | std::ios::ate);
    std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0 || static_cast<std::uint64_t>(size) > BackupImageCodec::kMaxImageBytes) {
        refusal = {code::kImageCorrupt, {restore.imagePath}};
        return false;
    }
    std::string bytes(static_cast<size_t>(size), '\0');
    in.seekg(0);
    in.read(&bytes[0], size);
    ImageError error = BackupImageCodec::decode(bytes, restore.image);
    if (error != ImageError::kNone || restore.image.alias != alias ||
        restore.image.timestamp != found.front().timestamp) {
        refusal = {error == ImageError::kTruncated ? code::kImageEndedEarly : code::kImageCorrupt,
                   {restore.imagePath}};
        return false;
    }
    return true;
}

// Where the image goes: an existing database of that alias, or a new one named after it.
bool findTarget(const db2RestoreStruct& r, PendingRestore& restore, RecoveryRefusal& refusal) {
    std::string given = aliasParameter(r.piTargetDBAlias);
    restore.alias = upperCase(given.empty() ? restore.image.alias : given);
    if (!validDirectoryName(restore.alias)) {
        refusal = {code::kInvalidAlias, {restore.alias}};
        return false;
    }
    Manager& manager = Manager::get();
    if (const Database* existing = manager.databases().findByAlias(restore.alias)) {
        restore.exists = true;
        restore.name = existing->name;
        if (RecoveryDatabase::inUse(existing->name)) {
            refusal = {code::kDatabaseInUse, {restore.alias}};
            return false;
        }
        return true;
    }
    restore.name = restore.alias;
    restore.path = readParameter(r.piTargetDBPath, 215);
    if (!restore.path.empty() && !isFolder(restore.path)) {
        refusal = {code::kTargetPath, {restore.path}};
        return false;
    }
    std::vector<std::string> names = RecoveryDatabase::names();
    if (manager.directories().databases().isCatalogued(restore.alias) ||
        std::find(names.begin(), names.end(), restore.name) != names.end()) {
        refusal = {code::kDuplicateAlias, {restore.alias}};
        return false;
    }
    return true;
}

std::map<std::string, std::string> lineFields(const std::string& line) {
    std::map<std::string, std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) {
        size_t equals = field.find('=');
        if (equals != std::string::npos && equals > 0) {
            fields[field.substr(0, equals)] = field.substr(equals + 1);
        }
    }
    fields.erase("name");
    fields.erase("alias");
    return fields;
}

void putDatabase(const PendingRestore& restore, StateHome& home) {
    Databases& databases = Manager::get().databases();
    std::map<std::string, std::string> more = lineFields(restore.image.databaseLine);
    if (Database* existing = databases.findByAlias(restore.alias)) {
        if (existing->more.count("path") != 0) {
            more["path"] = existing->more["path"];
        }
        existing->more = std::move(more);
    } else {
        more.erase("path");
        if (!restore.path.empty()) {
            more["path"] = restore.path;
        }
        databases.add(Database{restore.name, restore.alias, std::move(more)});
    }
    databases.save(home);
}

void recordRestore(const PendingRestore& restore, char object, StateHome& home) {
    HistoryEntry entry;
    entry.operation = history::kRestore;
    entry.object = object;
    entry.optype = restore.image.incremental() ? 'I' : restore.image.online() ? 'N' : 'F';
    entry.deviceType = history::kDisk;
    entry.backupId = restore.image.timestamp;
    entry.location = restore.imagePath;
    entry.commandText = "RESTORE DATABASE " + restore.image.alias + " TAKEN AT " +
                        restore.image.timestamp + " INTO " + restore.alias;
    HistoryStore::add(home, restore.name, std::move(entry));
}

bool wantsRollforward(const PendingRestore& restore) {
    return restore.image.online() || (restore.options & DB2RESTORE_NOROLLFWD) == 0;
}

// Puts the image's state in place of the target's and reloads what areas keep in memory.
int complete(ApiCall& call, const PendingRestore& restore) {
    StateHome& home = call.instance().home();
    DatabaseFiles::remove(home, restore.name, RecoveryDatabase::names());
    if (!DatabaseFiles::write(home, restore.name, restore.image.files)) {
        return call.fail(code::kPathMissing, {home.path()});
    }
    putDatabase(restore, home);
    Configuration::get().reload(restore.name);
    TableStore::get().reload(restore.name);
    PackageStore::get().reload(restore.name);
    RecoveryState state = RecoveryState::load(home, restore.name);
    state.imageTime = restore.image.timestamp;
    state.imageLog = state.currentLog;
    state.inProgress = false;
    state.quiesces.clear();
    state.save(home, restore.name);
    RecoveryDatabase::setRollforwardPending(restore.name, wantsRollforward(restore) ? 1 : 0);
    recordRestore(restore, history::kDatabase, home);
    return call.succeed();
}

// Restores of one kind of the image's content into an existing database.
int restorePart(ApiCall& call, const PendingRestore& restore, db2Uint32 kind) {
    if (!restore.exists) {
        return call.fail(code::kDatabaseNotFound, {restore.alias});
    }
    StateHome& home = call.instance().home();
    if (kind == DB2RESTORE_HISTORY) {
        for (const ImageFile& file : restore.image.files) {
            if (file.pathFor(restore.image.database) ==
                HistoryStore::fileName(restore.image.database)) {
                home.writeFile(HistoryStore::fileName(restore.name), file.content);
            }
        }
        return call.succeed();
    }
    if (restore.name != restore.image.database) {
        return call.fail(code::kTablespaceToOtherDatabase, {restore.alias});
    }
    if ((restore.options & DB2RESTORE_NOROLLFWD) == 0 || restore.image.online()) {
        RecoveryDatabase::setRollforwardPending(restore.name, 2);
    }
    recordRestore(restore, history::kTablespace, home);
    return call.succeed();
}

int restoreWarning(const PendingRestore& restore) {
    bool aliasMatches = restore.alias == restore.image.alias;
    bool nameMatches = restore.name == restore.image.database;
    if (aliasMatches) {
        return nameMatches ? code::kRestoreA1N1 : code::kRestoreA1N0;
    }
    return nameMatches ? code::kRestoreA0N1 : code::kRestoreA0N0;
}

int start(ApiCall& call, const db2RestoreStruct& r) {
    std::string source = upperCase(aliasParameter(r.piSourceDBAlias));
    if (source.empty()) {
        return call.fail(code::kAliasParameter);
    }
    if (!Manager::get().started()) {
        return call.fail(code::kManagerNotStarted);
    }
    bool named = r.piUsername != nullptr && *r.piUsername != '\0';
    if (!Manager::get().users().authenticate(named ? r.piUsername : nullptr,
                                             named ? r.piPassword : nullptr)) {
        return call.fail(code::kSecurityFailed, {"24", "USERNAME AND/OR PASSWORD INVALID"});
    }
    PendingRestore restore;
    restore.options = r.iOptions;
    RecoveryRefusal refusal;
    if (!findImage(r, source, restore, refusal) || !findTarget(r, restore, refusal)) {
        return call.fail(refusal.sqlcode, refusal.tokens);
    }
    if (restore.image.incremental() && (r.iOptions & DB2RESTORE_INCREMENTAL) == 0) {
        return call.fail(code::kIncrementalImage, {restore.imagePath});
    }
    db2Uint32 kind = r.iOptions & DB2RESTORE_KIND_MASK;
    if (kind == DB2RESTORE_LOGS || kind == DB2RESTORE_COMPR_LIB) {
        return call.succeed();
    }
    if (kind != DB2RESTORE_DB) {
        return restorePart(call, restore, kind);
    }
    if (restore.image.online() && (r.iOptions & DB2RESTORE_NOROLLFWD) != 0) {
        return call.fail(code::kRollforwardRequired, {restore.alias});
    }
    void* ctx = call.instance().contexts().current();
    if (r.iCallerAction == kRestoreStorDef || r.iCallerAction == kStorDefNoInterrupt) {
        restore.redirect = true;
        PendingRestores::get().put(ctx, std::move(restore));
        return call.fail(code::kRedirectedRestore);
    }
    if (restore.exists && r.iCallerAction == DB2RESTORE_RESTORE) {
        int warning = restoreWarning(restore);
        PendingRestores::get().put(ctx, std::move(restore));
        return call.fail(warning, {source});
    }
    return complete(call, restore);
}

int restore(ApiCall& call, db2Uint32 version, void* parms) {
    if (version < db2Version810 || parms == nullptr) {
        return call.fail(code::kInvalidParameter, {parms ? "versionNumber" : "pParmStruct"});
    }
    auto& r = *static_cast<db2RestoreStruct*>(parms);
    journal(call, r);
    putTerminated(r.oApplicationId, sizeof(r.oApplicationId),
                  RecoveryDatabase::applicationId(RecoveryTime::now()));
    void* ctx = call.instance().contexts().current();
    switch (r.iCallerAction) {
        case DB2RESTORE_CONTINUE: {
            std::optional<PendingRestore> pending = PendingRestores::get().take(ctx);
            return pending ? complete(call, *pending) : call.fail(code::kCallOutOfSequence);
        }
        case DB2RESTORE_TERMINATE:
        case DB2RESTORE_TERMINATE_INCRE:
            return PendingRestores::get().take(ctx) ? call.succeed()
                                                    : call.fail(code::kCallOutOfSequence);
        case DB2RESTORE_RESTORE:
        case DB2RESTORE_NOINTERRUPT:
        case kRestoreStorDef:
        case kStorDefNoInterrupt:
            PendingRestores::get().take(ctx);
            return start(call, r);
        default:
            return call.fail(code::kInvalidParameter, {"iCallerAction"});
    }
}

const VersionedRegistration kRestore("db2Restore", &restore);

}  // namespace
}  // namespace db2sim
