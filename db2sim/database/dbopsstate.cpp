// Database state: activation (sqle_activate_db_api, sqle_deactivate_db_api), quiesce of a
// database or an instance (db2DatabaseQuiesce/Unquiesce, db2InstanceQuiesce/Unquiesce), restart
// (db2DatabaseRestart), migrate (sqlemgdb_api) and the directory comment (sqledcgd_api).
// Activation and quiesce live in InstanceState; release and comment persist with the database.
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "db2sim/core/apicall.h"
#include "db2sim/database/dbopscodes.h"
#include "db2sim/database/dbopsdatabases.h"
#include "db2sim/directory/directoriescodes.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/instancestate.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/connection/users.h"
#include "db2sim/core/versionedregistry.h"

DB2SIM_CHECK_TYPE(sqle_activate_db_api);
DB2SIM_CHECK_TYPE(sqle_deactivate_db_api);
DB2SIM_CHECK_TYPE(sqlemgdb_api);
DB2SIM_CHECK_TYPE(sqledcgd_api);

namespace db2sim {
namespace {

constexpr size_t kMaxComment = SQL_CMT_SZ;
constexpr size_t kMaxCommentRead = 255;
constexpr size_t kMaxUserRead = 128;

struct Refusal {
    int sqlcode = 0;
    std::vector<std::string> tokens;
};

// The database of the instance a call names, after the checks every such call makes: a named
// alias, a running manager, known credentials. Null with `refusal` set otherwise.
Database* targetDatabase(const char* alias, const char* user, const char* password,
                         Refusal& refusal) {
    if (alias == nullptr) {
        refusal = {code::kInvalidAliasPointer, {}};
        return nullptr;
    }
    Manager& manager = Manager::get();
    if (!manager.started()) {
        refusal = {code::kManagerNotStarted, {}};
        return nullptr;
    }
    std::string name = aliasParameter(alias);
    Database* database = name.empty() ? nullptr : manager.databases().findByAlias(name);
    if (database == nullptr) {
        refusal = {code::kDatabaseNotFound, {name}};
        return nullptr;
    }
    bool named = user != nullptr && *user != '\0';
    if (!manager.users().authenticate(named ? user : nullptr, named ? password : nullptr)) {
        refusal = {code::kSecurityFailed, {"24", "USERNAME AND/OR PASSWORD INVALID"}};
        return nullptr;
    }
    return database;
}

void journalActivation(ApiCall& call, char* alias, char* user, char* password, void* reserved) {
    call.text("pDbAlias", alias).text("pUserName", user).secret("pPassword", password);
    call.ptr("pReserved", reserved);
}

// Activation and deactivation differ only in the state they set and the warnings they give.
struct Activation {
    const char* entry;
    bool active;
    int unchanged;  // warning when the database is in that state already
    int connected;  // warning when it has connections
};

constexpr Activation kActivate{"sqle_activate_db_api", true, code::kAlreadyActivated,
                               code::kActivatedConnected};
constexpr Activation kDeactivate{"sqle_deactivate_db_api", false, code::kNotActivated,
                                 code::kDeactivatedConnected};

int setActivation(const Activation& kind, char* alias, char* user, char* password, void* reserved,
                  sqlca* ca) {
    ApiCall call(kind.entry, ca);
    journalActivation(call, alias, user, password, reserved);
    if (!call.proceed()) {
        return call.rc();
    }
    Refusal refusal;
    Database* database = targetDatabase(alias, user, password, refusal);
    if (database == nullptr) {
        return call.fail(refusal.sqlcode, refusal.tokens);
    }
    InstanceState& state = InstanceState::get();
    if (state.isActive(database->name) == kind.active) {
        return warn(call, kind.unchanged);
    }
    state.setActive(database->name, kind.active);
    return state.connectionsTo(database->name) > 0 ? warn(call, kind.connected) : call.succeed();
}

// The calling context's connection, for the database quiesce calls.
std::optional<Connection> callerConnection(ApiCall& call) {
    void* ctx = call.instance().contexts().current();
    return ctx == nullptr ? std::nullopt : Manager::get().connections().connectionOf(ctx);
}

// The database a quiesce call names, checked against the caller's connection.
bool databaseTarget(ApiCall& call, const char* name, std::string& database, Refusal& refusal) {
    if (!callerConnection(call)) {
        refusal = {code::kNoConnection, {}};
        return false;
    }
    std::string alias = aliasParameter(name);
    const Database* found = Manager::get().databases().findByAlias(alias);
    if (found == nullptr) {
        refusal = {code::kDatabaseNotFound, {alias}};
        return false;
    }
    database = found->name;
    return true;
}

// The instance an instance quiesce call names (empty: the local one), or a refusal.
bool instanceTarget(ApiCall& call, const char* name, std::string& instance, Refusal& refusal) {
    void* ctx = call.instance().contexts().current();
    if (ctx == nullptr || !Manager::get().attachments().find(ctx)) {
        refusal = {code::kNoAttachment, {}};
        return false;
    }
    std::string local = call.instance().name();
    instance = withoutTrailingBlanks(readParameter(name, SQL_INSTNAME_SZ));
    if (instance.empty()) {
        instance = local;
    }
    for (const std::string& known : Manager::get().directories().instances(local)) {
        if (upperCase(known) == upperCase(instance)) {
            return true;
        }
    }
    refusal = {code::kInvalidInstanceName, {instance}};
    return false;
}

bool versionOk(ApiCall& call, db2Uint32 version, db2Uint32 lowest, void* parms, int& rc) {
    if (version < lowest || parms == nullptr) {
        rc = call.fail(code::kInvalidParameter, {parms ? "versionNumber" : "pParmStruct"});
        return false;
    }
    return true;
}

using TargetFinder = bool (*)(ApiCall&, const char*, std::string&, Refusal&);

// The course every quiesce and unquiesce call takes: check the version and structure, journal
// the fields (`journal` returns the name of the target), find the target, then act on it.
template <class Parms, class Journal, class Act>
int quiesceCall(ApiCall& call, db2Uint32 version, void* parms, TargetFinder find, Journal journal,
                Act act) {
    int rc = 0;
    if (!versionOk(call, version, db2Version810, parms, rc)) {
        return rc;
    }
    const Parms& in = *static_cast<const Parms*>(parms);
    const char* name = journal(in);
    std::string target;
    Refusal refusal;
    if (!find(call, name, target, refusal)) {
        return call.fail(refusal.sqlcode, refusal.tokens);
    }
    act(in, target);
    return call.succeed();
}

int databaseQuiesce(ApiCall& call, db2Uint32 version, void* parms) {
    auto journal = [&](const db2DbQuiesceStruct& in) {
        call.text("piDatabaseName", in.piDatabaseName).num("iImmediate", in.iImmediate);
        call.num("iForce", in.iForce).num("iTimeout", in.iTimeout);
        return in.piDatabaseName;
    };
    auto quiesce = [&](const db2DbQuiesceStruct&, const std::string& database) {
        InstanceState::get().quiesceDatabase(database, callerConnection(call)->authid);
    };
    return quiesceCall<db2DbQuiesceStruct>(call, version, parms, &databaseTarget, journal, quiesce);
}

int databaseUnquiesce(ApiCall& call, db2Uint32 version, void* parms) {
    auto journal = [&](const db2DbUnquiesceStruct& in) {
        call.text("piDatabaseName", in.piDatabaseName);
        return in.piDatabaseName;
    };
    auto unquiesce = [](const db2DbUnquiesceStruct&, const std::string& database) {
        InstanceState::get().unquiesceDatabase(database);
    };
    return quiesceCall<db2DbUnquiesceStruct>(call, version, parms, &databaseTarget, journal,
                                             unquiesce);
}

int instanceQuiesce(ApiCall& call, db2Uint32 version, void* parms) {
    auto journal = [&](const db2InsQuiesceStruct& in) {
        call.text("piInstanceName", in.piInstanceName).text("piUserId", in.piUserId);
        call.text("piGroupId", in.piGroupId).num("iImmediate", in.iImmediate);
        call.num("iForce", in.iForce).num("iTimeout", in.iTimeout);
        if (version >= db2Version910) {
            call.num("iQOptions", in.iQOptions);  // read only by clients that have it
        }
        return in.piInstanceName;
    };
    auto quiesce = [](const db2InsQuiesceStruct& in, const std::string& instance) {
        Quiescer quiescer{readParameter(in.piUserId, kMaxUserRead),
                          readParameter(in.piGroupId, kMaxUserRead)};
        InstanceState::get().quiesceInstance(instance, quiescer);
    };
    return quiesceCall<db2InsQuiesceStruct>(call, version, parms, &instanceTarget, journal,
                                            quiesce);
}

int instanceUnquiesce(ApiCall& call, db2Uint32 version, void* parms) {
    auto journal = [&](const db2InsUnquiesceStruct& in) {
        call.text("piInstanceName", in.piInstanceName);
        return in.piInstanceName;
    };
    auto unquiesce = [](const db2InsUnquiesceStruct&, const std::string& instance) {
        InstanceState::get().unquiesceInstance(instance);
    };
    return quiesceCall<db2InsUnquiesceStruct>(call, version, parms, &instanceTarget, journal,
                                              unquiesce);
}

int databaseRestart(ApiCall& call, db2Uint32 version, void* parms) {
    int rc = 0;
    if (!versionOk(call, version, db2Version710, parms, rc)) {
        return rc;
    }
    const auto* in = static_cast<const db2RestartDbStruct*>(parms);
    call.text("piDatabaseName", in->piDatabaseName).text("piUserId", in->piUserId);
    call.secret("piPassword", in->piPassword);
    call.text("piTablespaceNames", in->piTablespaceNames).num("iOption", in->iOption);
    if (in->iOption != DB2_DB_SUSPEND_NONE && in->iOption != DB2_DB_RESUME_WRITE) {
        return call.fail(code::kInvalidParameter, {"iOption"});
    }
    Refusal refusal;
    if (targetDatabase(in->piDatabaseName, in->piUserId, in->piPassword, refusal) == nullptr) {
        return call.fail(refusal.sqlcode, refusal.tokens);
    }
    return call.succeed();
}

const VersionedRegistration kDbQuiesce("db2DatabaseQuiesce", &databaseQuiesce);
const VersionedRegistration kDbUnquiesce("db2DatabaseUnquiesce", &databaseUnquiesce);
const VersionedRegistration kInsQuiesce("db2InstanceQuiesce", &instanceQuiesce);
const VersionedRegistration kInsUnquiesce("db2InstanceUnquiesce", &instanceUnquiesce);
const VersionedRegistration kRestart("db2DatabaseRestart", &databaseRestart);

int migrate(char* alias, char* user, char* password, sqlca* ca) {
    ApiCall call("sqlemgdb_api", ca);
    call.text("pDbAlias", alias).text("pUserName", user).secret("pPassword", password);
    if (!call.proceed()) {
        return call.rc();
    }
    Refusal refusal;
    Database* database = targetDatabase(alias, user, password, refusal);
    if (database == nullptr) {
        return call.fail(refusal.sqlcode, refusal.tokens);
    }
    if (InstanceState::get().connectionsTo(database->name) > 0) {
        return call.fail(code::kDatabaseInUse, {database->name});
    }
    std::string current = releaseOf(call.instance().product());
    std::string& release = database->more["release"];
    if (!release.empty() && release >= current) {
        return warn(call, code::kAlreadyCurrent, {database->alias});
    }
    release = current;
    Manager::get().databases().save(call.instance().home());
    return call.succeed();
}

int changeComment(char* alias, char* path, char* comment, sqlca* ca) {
    ApiCall call("sqledcgd_api", ca);
    call.text("pDbAlias", alias).text("pPath", path).text("pComment", comment);
    if (!call.proceed()) {
        return call.rc();
    }
    if (alias == nullptr) {
        return call.fail(code::kInvalidAliasPointer);
    }
    if (comment == nullptr) {
        return call.fail(code::kInvalidParameter, {"pComment"});
    }
    if (path != nullptr && *path != '\0') {
        return call.fail(code::kNoDatabaseDirectory);  // no local directory on a path
    }
    std::string name = aliasParameter(alias);
    std::string text = readParameter(comment, kMaxCommentRead).substr(0, kMaxComment);
    Manager& manager = Manager::get();
    StateHome& home = call.instance().home();
    if (Database* database = name.empty() ? nullptr : manager.databases().findByAlias(name)) {
        database->more["comment"] = text;
        manager.databases().save(home);
        return call.succeed();
    }
    if (name.empty() || !manager.directories().databases().setComment(name, text, home)) {
        return call.fail(code::kDatabaseNotFound, {name});
    }
    return call.succeed();
}

}  // namespace
}  // namespace db2sim

using db2sim::guarded;

DB2SIM_EXPORT int sqle_activate_db_api(char* pDbAlias, char* pUserName, char* pPassword,
                                       void* pReserved, sqlca* pSqlca) {
    return guarded([&] {
        return db2sim::setActivation(db2sim::kActivate, pDbAlias, pUserName, pPassword, pReserved,
                                     pSqlca);
    });
}

DB2SIM_EXPORT int sqle_deactivate_db_api(char* pDbAlias, char* pUserName, char* pPassword,
                                         void* pReserved, sqlca* pSqlca) {
    return guarded([&] {
        return db2sim::setActivation(db2sim::kDeactivate, pDbAlias, pUserName, pPassword, pReserved,
                                     pSqlca);
    });
}

DB2SIM_EXPORT int sqlemgdb_api(char* pDbAlias, char* pUserName, char* pPassword, sqlca* pSqlca) {
    return guarded([&] { return db2sim::migrate(pDbAlias, pUserName, pPassword, pSqlca); });
}

DB2SIM_EXPORT int sqledcgd_api(char* pDbAlias, char* pPath, char* pComment, sqlca* pSqlca) {
    return guarded([&] { return db2sim::changeComment(pDbAlias, pPath, pComment, pSqlca); });
}
