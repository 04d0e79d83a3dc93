// Create and drop database: sqlecrea_api, sqledrpd_api. A created database gets its home entry
// in the database directory (through the databases list), its configuration (defaults with the
// code set and territory asked for) and its table spaces, kept in "tablespaces/<NAME>". Drop
// removes all three; a database with connections or an activation is in use.
#include <sys/stat.h>

#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "db2sim/core/apicall.h"
#include "db2sim/config/configparams.h"
#include "db2sim/config/configuration.h"
#include "db2sim/database/dbopscodes.h"
#include "db2sim/database/dbopsdatabases.h"
#include "db2sim/database/dbopsdescriptor.h"
#include "db2sim/database/tablestore.h"
#include "db2sim/directory/directoriescodes.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/instancestate.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/core/statehome.h"
#include "db2sim/connection/users.h"

DB2SIM_CHECK_TYPE(sqlecrea_api);
DB2SIM_CHECK_TYPE(sqledrpd_api);

namespace db2sim {
namespace {

constexpr size_t kMaxPath = 215;

std::string tablespaceFile(const std::string& database) {
    return "tablespaces/" + database;
}

bool directoryExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Refusal of the names and path, or 0.
int namesRefusal(const std::string& name, const std::string& alias, const std::string& path,
                 std::vector<std::string>& tokens) {
    if (!validDirectoryName(name)) {
        tokens = {name};
        return code::kInvalidDatabaseName;
    }
    if (!validDirectoryName(alias)) {
        tokens = {alias};
        return code::kInvalidAlias;
    }
    if (path.size() > kMaxPath) {
        return code::kInvalidPath;
    }
    if (!path.empty() && !directoryExists(path)) {
        tokens = {path};
        return code::kPathNotFound;
    }
    return 0;
}

bool nameTaken(const Databases& databases, const std::string& name) {
    for (const Database& database : databases.all()) {
        if (upperCase(database.name) == name) {
            return true;
        }
    }
    return false;
}

void saveTablespaces(const std::string& database, const CreateRequest& request, StateHome& home) {
    std::string text;
    for (const TablespaceRequest& ts : request.tablespaces) {
        text += joinRecord({ts.name, std::string(1, ts.type), "", "", ""}) + "\n";
        for (const ContainerRequest& c : ts.containers) {
            text += joinRecord({ts.name, std::string(1, ts.type), std::string(1, c.type),
                                std::to_string(c.pages), c.name}) +
                    "\n";
        }
    }
    home.writeFile(tablespaceFile(database), text);
}

void setParam(const std::string& database, const char* name, const std::string& value) {
    if (const ConfigParam* param = ConfigParams::findByName(CfgScope::kDatabase, name)) {
        Configuration::get().setValue(database, *param, CfgValue{value, value, false, false});
    }
}

void record(const std::string& name, const std::string& alias, const std::string& path,
            const CreateRequest& request, ApiCall& call) {
    Manager& manager = Manager::get();
    StateHome& home = call.instance().home();
    Database database{name, alias, {}};
    database.more["release"] = releaseOf(call.instance().product());
    if (!request.comment.empty()) {
        database.more["comment"] = request.comment;
    }
    if (!path.empty()) {
        database.more["path"] = path;
    }
    manager.databases().add(std::move(database));
    manager.databases().save(home);
    TableStore::get().created(name);
    Configuration& cfg = Configuration::get();
    cfg.resetToDefaults(CfgScope::kDatabase, name);
    setParam(name, "codeset", request.codeset);
    setParam(name, "territory", request.territory);
    setParam(name, "codepage", std::to_string(request.codepage));
    cfg.save(CfgScope::kDatabase, name);
    saveTablespaces(name, request, home);
}

int createDatabase(char* dbName, char* aliasArg, char* pathArg, void* descArg, void* infoArg,
                   char reserved2, void* reserved1, sqlca* ca) {
    ApiCall call("sqlecrea_api", ca);
    const auto* desc = static_cast<const sqledbdesc*>(descArg);
    const auto* info = static_cast<const sqledbterritoryinfo*>(infoArg);
    call.text("pDbName", dbName).text("pLocalDbAlias", aliasArg).text("pPath", pathArg);
    call.ptr("pDbDescriptor", descArg).ptr("pTerritoryInfo", infoArg);
    call.num("Reserved2", reserved2).ptr("pReserved1", reserved1);
    call.text("descriptor", describeDescriptor(desc).c_str());
    if (desc != nullptr) {
        call.text("sqlcatts", describeTablespace(desc->sqlcatts).c_str());
        call.text("sqlusrts", describeTablespace(desc->sqlusrts).c_str());
        call.text("sqltmpts", describeTablespace(desc->sqltmpts).c_str());
    }
    call.text("territory", describeTerritory(info).c_str());
    if (!call.proceed()) {
        return call.rc();
    }
    if (!Manager::get().started()) {
        return call.fail(code::kManagerNotStarted);
    }
    if (callerConnected(call)) {
        return call.fail(code::kAlreadyConnected);
    }
    std::string name = upperCase(aliasParameter(dbName));
    std::string alias =
        aliasArg == nullptr || *aliasArg == '\0' ? name : upperCase(aliasParameter(aliasArg));
    std::string path = readParameter(pathArg, kMaxPath);
    std::vector<std::string> tokens;
    if (int refusal = namesRefusal(name, alias, path, tokens)) {
        return call.fail(refusal, tokens);
    }
    CreateRequest request;
    if (const char* reason = readCreateRequest(desc, info, request)) {
        return call.fail(code::kBadDescriptor, {reason});
    }
    Manager& manager = Manager::get();
    if (nameTaken(manager.databases(), name)) {
        return call.fail(code::kDuplicateAlias, {name});
    }
    if (manager.databases().findByAlias(alias) != nullptr ||
        manager.directories().databases().isCatalogued(alias)) {
        return call.fail(code::kDuplicateAlias, {alias});
    }
    record(name, alias, path, request, call);
    return call.succeed();
}

int dropDatabase(char* aliasArg, char* reserved, sqlca* ca) {
    ApiCall call("sqledrpd_api", ca);
    call.text("pDbAlias", aliasArg).ptr("pReserved2", reserved);
    if (!call.proceed()) {
        return call.rc();
    }
    if (aliasArg == nullptr) {
        return call.fail(code::kInvalidAliasPointer);
    }
    if (!Manager::get().started()) {
        return call.fail(code::kManagerNotStarted);
    }
    std::string alias = aliasParameter(aliasArg);
    Manager& manager = Manager::get();
    const Database* found = manager.databases().findByAlias(alias);
    if (alias.empty() || found == nullptr) {
        return call.fail(code::kDatabaseNotFound, {alias});
    }
    std::string name = found->name;
    InstanceState& state = InstanceState::get();
    if (state.connectionsTo(name) > 0 || state.isActive(name)) {
        return call.fail(code::kDatabaseInUse, {name});
    }
    manager.databases().removeByAlias(alias);
    manager.databases().save(call.instance().home());
    Configuration::get().forget(name);
    TableStore::get().forget(name);
    call.instance().home().removeFile(tablespaceFile(name));
    state.forgetDatabase(name);
    return call.succeed();
}

}  // namespace
}  // namespace db2sim

using db2sim::guarded;

DB2SIM_EXPORT int sqlecrea_api(char* pDbName, char* pLocalDbAlias, char* pPath, void* pDbDescriptor,
                               void* pTerritoryInfo, char Reserved2, void* pReserved1,
                               sqlca* pSqlca) {
    return guarded([&] {
        return db2sim::createDatabase(pDbName, pLocalDbAlias, pPath, pDbDescriptor, pTerritoryInfo,
                                      Reserved2, pReserved1, pSqlca);
    });
}

DB2SIM_EXPORT int sqledrpd_api(char* pDbAlias, char* pReserved2, sqlca* pSqlca) {
    return guarded([&] { return db2sim::dropDatabase(pDbAlias, pReserved2, pSqlca); });
}
