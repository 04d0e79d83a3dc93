#include "db2sim/recovery/recoverydatabase.h"

#include <algorithm>
#include <sstream>

#include "db2sim/config/configparams.h"
#include "db2sim/config/configuration.h"
#include "db2sim/connection/users.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/instancestate.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/database/dbopsdatabases.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/recovery/recoverycodes.h"

namespace db2sim {
namespace {

std::string parameter(const std::string& name, const char* param) {
    const ConfigParam* found = ConfigParams::findByName(CfgScope::kDatabase, param);
    return found == nullptr ? std::string() : Configuration::get().value(name, *found).immediate;
}

bool on(const std::string& value) {
    std::string upper = upperCase(value);
    return !upper.empty() && upper != "0" && upper != "OFF" && upper != "NO";
}

}  // namespace

Database* RecoveryDatabase::find(const char* alias, const char* user, const char* password,
                                 RecoveryRefusal& refusal) {
    std::string name = alias == nullptr ? std::string() : aliasParameter(alias);
    if (name.empty()) {
        refusal = {code::kAliasParameter, {}};
        return nullptr;
    }
    Manager& manager = Manager::get();
    if (!manager.started()) {
        refusal = {code::kManagerNotStarted, {}};
        return nullptr;
    }
    Database* database = manager.databases().findByAlias(name);
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

std::vector<std::string> RecoveryDatabase::names() {
    std::vector<std::string> names;
    for (const Database& database : Manager::get().databases().all()) {
        names.push_back(database.name);
    }
    return names;
}

bool RecoveryDatabase::inUse(const std::string& name) {
    InstanceState& state = InstanceState::get();
    return state.connectionsTo(name) > 0 || state.isActive(name);
}

bool RecoveryDatabase::recoverable(const std::string& name) {
    return on(parameter(name, "logretain")) || on(parameter(name, "userexit")) ||
           on(parameter(name, "logarchmeth1"));
}

bool RecoveryDatabase::trackmod(const std::string& name) {
    return on(parameter(name, "trackmod"));
}

int RecoveryDatabase::rollforwardPending(const std::string& name) {
    std::string value = parameter(name, "rollfwd_pending");
    return value == "1" ? 1 : value == "2" ? 2 : 0;
}

void RecoveryDatabase::setRollforwardPending(const std::string& name, int pending) {
    const ConfigParam* param = ConfigParams::findByName(CfgScope::kDatabase, "rollfwd_pending");
    if (param == nullptr) {
        return;
    }
    std::string value = std::to_string(pending);
    Configuration& cfg = Configuration::get();
    cfg.setValue(name, *param, CfgValue{value, value, false, false});
    cfg.save(CfgScope::kDatabase, name);
}

std::vector<std::string> RecoveryDatabase::tablespaces(const std::string& name) {
    std::string text;
    if (!Instance::get().home().readFile("tablespaces/" + name, text)) {
        return {"SYSCATSPACE", "TEMPSPACE1", "USERSPACE1"};
    }
    std::vector<std::string> names;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields = splitRecord(line);
        if (!fields.empty() && !fields[0].empty() &&
            std::find(names.begin(), names.end(), fields[0]) == names.end()) {
            names.push_back(fields[0]);
        }
    }
    return names;
}

std::string RecoveryDatabase::applicationId(const std::string& timestamp) {
    return "*LOCAL." + Instance::get().name() + "." +
           (timestamp.size() == 14 ? timestamp.substr(2) : timestamp);
}

}  // namespace db2sim
