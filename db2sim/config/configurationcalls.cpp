// Configuration entry points: db2CfgGet and db2CfgSet (registered with versioned.cpp), sqlfrsys
// and sqlfrdb. The database manager's configuration needs no attachment. A database's is named
// by alias in db2Cfg.dbname; an empty or null name means the database the calling context is
// connected to.
#include <cstring>
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "db2sim/core/apicall.h"
#include "db2sim/config/configparams.h"
#include "db2sim/config/configuration.h"
#include "db2sim/config/configurationcodes.h"
#include "db2sim/config/configurationvalues.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/core/versionedregistry.h"

DB2SIM_CHECK_TYPE(sqlfrsys);
DB2SIM_CHECK_TYPE(sqlfrdb);

namespace db2sim {
namespace {

// db2Cfg as 8.x passes it: no dbpartitionnum.
struct db2CfgV8 {
    db2Uint32 numItems;
    db2CfgParam* paramArray;
    db2Uint32 flags;
    char* dbname;
};
static_assert(sizeof(db2CfgV8) == (sizeof(void*) == 8 ? 32 : 16), "8.x db2Cfg size");
static_assert(offsetof(db2CfgV8, dbname) == offsetof(db2Cfg, dbname), "db2Cfg prefix");

constexpr size_t kMaxAliasRead = 255;

// A request after its db2Cfg was read and checked.
struct CfgRequest {
    db2Uint32 numItems = 0;
    db2CfgParam* items = nullptr;
    db2Uint32 flags = 0;
    CfgScope scope = CfgScope::kManager;
    std::string database;  // database name at database level
    std::vector<const ConfigParam*> params;
};

struct Refusal {
    int sqlcode = 0;
    std::vector<std::string> tokens;
};

// The newest version number a client of the product signature "SQLvvrrm" knows: any level of
// its own release (vv.rr), none of a later one.
db2Uint32 newestVersion(const std::string& product) {
    auto digits = [&](size_t at) {
        return static_cast<db2Uint32>((product[at] - '0') * 10 + (product[at + 1] - '0'));
    };
    return digits(3) * 1000000 + digits(5) * 10000 + 9999;
}

// Reads the structure of the version passed, as DB2 does: no db2Cfg before 8.1, none of a
// release newer than the client's own, and dbpartitionnum only from 9.0 on.
bool readCfg(db2Uint32 version, db2Uint32 newest, const void* parms, CfgRequest& request,
             Refusal& refusal) {
    if (version < db2Version810 || version > newest) {
        refusal = {code::kInvalidParameter, {"versionNumber"}};
        return false;
    }
    db2CfgV8 cfg;
    std::memcpy(&cfg, parms, sizeof(cfg));
    if (version >= db2Version900 && (cfg.flags & db2CfgSingleDbpartition) != 0 &&
        static_cast<const db2Cfg*>(parms)->dbpartitionnum != 0) {
        refusal = {code::kInvalidParameter, {"dbpartitionnum"}};
        return false;
    }
    request.numItems = cfg.numItems;
    request.items = cfg.paramArray;
    request.flags = cfg.flags;
    if (cfg.dbname != nullptr) {
        request.database.assign(cfg.dbname, strnlen(cfg.dbname, kMaxAliasRead));
    }
    return true;
}

bool resolveScope(ApiCall& call, CfgRequest& request, Refusal& refusal) {
    bool database = (request.flags & db2CfgDatabase) != 0;
    bool manager = (request.flags & db2CfgDatabaseManager) != 0;
    if (database == manager) {
        refusal = {code::kInvalidParameter, {"flags"}};
        return false;
    }
    request.scope = manager ? CfgScope::kManager : CfgScope::kDatabase;
    if (manager) {
        request.database.clear();
        return true;
    }
    Manager& instanceManager = Manager::get();
    if (request.database.empty()) {
        std::optional<Connection> connection =
            instanceManager.connections().connectionOf(call.instance().contexts().current());
        if (!connection) {
            refusal = {code::kNoConnection, {}};
            return false;
        }
        request.database = connection->database;
        return true;
    }
    const Database* found = instanceManager.databases().findByAlias(request.database);
    if (found == nullptr) {
        refusal = {code::kDatabaseNotFound, {request.database}};
        return false;
    }
    request.database = found->name;
    return true;
}

bool resolveItems(CfgRequest& request, Refusal& refusal) {
    if (request.numItems > 0 && request.items == nullptr) {
        refusal = {code::kInvalidCfgPointer, {}};
        return false;
    }
    for (db2Uint32 i = 0; i < request.numItems; ++i) {
        const db2CfgParam& item = request.items[i];
        const ConfigParam* param = ConfigParams::find(request.scope, item.token);
        if (param == nullptr) {
            refusal = {code::kInvalidToken, {std::to_string(item.token)}};
            return false;
        }
        if (item.ptrvalue == nullptr) {
            refusal = {code::kInvalidValuePointer, {param->name}};
            return false;
        }
        request.params.push_back(param);
    }
    return true;
}

bool prepare(ApiCall& call, db2Uint32 version, void* parms, CfgRequest& request, Refusal& refusal) {
    if (parms == nullptr) {
        refusal = {code::kInvalidParameter, {"pParmStruct"}};
        return false;
    }
    return readCfg(version, newestVersion(call.instance().product()), parms, request, refusal) &&
           resolveScope(call, request, refusal) && resolveItems(request, refusal);
}

// Delayed values only when asked for them alone; immediate otherwise.
bool delayedOnly(db2Uint32 flags) {
    return (flags & db2CfgDelayed) != 0 && (flags & db2CfgImmediate) == 0;
}

void journalRequest(ApiCall& call, const CfgRequest& request) {
    call.num("flags", request.flags).text("dbname", request.database.c_str());
    std::string tokens;
    for (const ConfigParam* param : request.params) {
        tokens += (tokens.empty() ? "" : ",") + std::to_string(param->token);
    }
    call.text("tokens", tokens.c_str());
}

// The start of a get or a set: the request read, checked and journaled. False with the call
// failed and `rc` set when the request is refused.
bool openRequest(ApiCall& call, db2Uint32 version, void* parms, CfgRequest& request, int& rc) {
    Refusal refusal;
    if (!prepare(call, version, parms, request, refusal)) {
        rc = call.fail(refusal.sqlcode, refusal.tokens);
        return false;
    }
    journalRequest(call, request);
    return true;
}

int cfgGet(ApiCall& call, db2Uint32 version, void* parms) {
    CfgRequest request;
    int rc = 0;
    if (!openRequest(call, version, parms, request, rc)) {
        return rc;
    }
    bool delayed = delayedOnly(request.flags);
    Configuration& configuration = Configuration::get();
    for (db2Uint32 i = 0; i < request.numItems; ++i) {
        const ConfigParam& param = *request.params[i];
        CfgValue value = configuration.value(request.database, param);
        ConfigurationValues::write(param, delayed ? value.delayed : value.immediate,
                                   request.items[i].ptrvalue);
        bool automatic = delayed ? value.autoDelayed : value.autoImmediate;
        request.items[i].flags = automatic ? db2CfgParamAutomatic : 0;
    }
    return call.succeed();
}

// The new values of one item: AUTOMATIC keeps the value and sets the flag, MANUAL keeps the
// value and clears it, else the caller's value replaces it and AUTOMATIC ends.
bool updatedValue(const ConfigParam& param, const db2CfgParam& item, bool delayed, CfgValue& value,
                  Refusal& refusal) {
    if (param.readOnly) {
        refusal = {code::kCfgReadOnly, {param.name}};
        return false;
    }
    bool automatic = (item.flags & db2CfgParamAutomatic) != 0;
    if (automatic && !param.canBeAutomatic) {
        refusal = {code::kInvalidParameter, {"flags"}};
        return false;
    }
    std::string text = delayed ? value.delayed : value.immediate;
    if (!automatic && (item.flags & db2CfgParamManual) == 0 &&
        !ConfigurationValues::read(param, item.ptrvalue, text)) {
        refusal = {code::kCfgValueOutOfRange,
                   {param.name, std::to_string(param.min), std::to_string(param.max)}};
        return false;
    }
    value.delayed = text;
    value.autoDelayed = automatic;
    if (!delayed) {
        value.immediate = text;
        value.autoImmediate = automatic;
    }
    return true;
}

std::string shownValue(const CfgValue& value, bool delayed) {
    return delayed ? value.delayed : value.immediate;
}

int cfgSet(ApiCall& call, db2Uint32 version, void* parms) {
    CfgRequest request;
    int rc = 0;
    if (!openRequest(call, version, parms, request, rc)) {
        return rc;
    }
    bool delayed = delayedOnly(request.flags);
    Configuration& configuration = Configuration::get();
    std::vector<CfgValue> values;
    std::string shown;
    Refusal refusal;
    for (db2Uint32 i = 0; i < request.numItems; ++i) {
        const ConfigParam& param = *request.params[i];
        CfgValue value = configuration.value(request.database, param);
        if (!updatedValue(param, request.items[i], delayed, value, refusal)) {
            return call.fail(refusal.sqlcode, refusal.tokens);
        }
        shown += std::string(shown.empty() ? "" : ",") + param.name + "=" +
                 shownValue(value, delayed) + (value.autoDelayed ? " AUTOMATIC" : "");
        values.push_back(value);
    }
    call.text("values", shown.c_str());
    for (db2Uint32 i = 0; i < request.numItems; ++i) {
        configuration.setValue(request.database, *request.params[i], values[i]);
    }
    configuration.save(request.scope, request.database);
    return call.succeed();
}

int resetManager(sqlca* ca) {
    ApiCall call("sqlfrsys", ca);
    if (!call.proceed()) {
        return call.rc();
    }
    Configuration& configuration = Configuration::get();
    configuration.resetToDefaults(CfgScope::kManager, std::string());
    configuration.save(CfgScope::kManager, std::string());
    return call.succeed();
}

int resetDatabase(char* alias, sqlca* ca) {
    ApiCall call("sqlfrdb", ca);
    call.text("pDbAlias", alias);
    if (!call.proceed()) {
        return call.rc();
    }
    std::string name = alias == nullptr ? "" : std::string(alias, strnlen(alias, kMaxAliasRead));
    const Database* database = Manager::get().databases().findByAlias(name);
    if (database == nullptr) {
        return call.fail(code::kDatabaseNotFound, {name});
    }
    Configuration& configuration = Configuration::get();
    configuration.resetToDefaults(CfgScope::kDatabase, database->name);
    configuration.save(CfgScope::kDatabase, database->name);
    return call.succeed();
}

const VersionedRegistration kCfgGet("db2CfgGet", &cfgGet, Access::kRead);
const VersionedRegistration kCfgSet("db2CfgSet", &cfgSet);

}  // namespace
}  // namespace db2sim

DB2SIM_EXPORT int sqlfrsys(sqlca* pSqlca) {
    return db2sim::guarded([&] { return db2sim::resetManager(pSqlca); });
}

DB2SIM_EXPORT int sqlfrdb(char* pDbAlias, sqlca* pSqlca) {
    return db2sim::guarded([&] { return db2sim::resetDatabase(pDbAlias, pSqlca); });
}
