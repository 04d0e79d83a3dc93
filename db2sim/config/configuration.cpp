#include "db2sim/config/configuration.h"

#include <cstdlib>
#include <sstream>
#include <vector>

#include "db2sim/core/instance.h"
#include "db2sim/core/nodestructor.h"
#include "db2sim/connection/users.h"
#include "db2sim/core/fieldescape.h"

namespace db2sim {
namespace {

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) {
        fields.push_back(field);
    }
    return fields;
}

bool sameAs(const CfgValue& a, const CfgValue& b) {
    return a.immediate == b.immediate && a.delayed == b.delayed &&
           a.autoImmediate == b.autoImmediate && a.autoDelayed == b.autoDelayed;
}

constexpr char kPoolPrefix = '@';

bool knownKey(CfgScope scope, const std::string& key) {
    bool pool = !key.empty() && key[0] == kPoolPrefix && scope == CfgScope::kDatabase;
    return pool || ConfigParams::findByName(scope, key) != nullptr;
}

}  // namespace

Configuration& Configuration::get() {
    static NoDestructor<Configuration> configuration;
    return configuration.get();
}

Configuration::Configuration() {
    Instance::get().addResetHook([this] {
        std::lock_guard<std::mutex> guard(lock_);
        tables_.clear();
    });
}

CfgValue Configuration::defaultValue(const ConfigParam& param) {
    return CfgValue{param.defaultValue, param.defaultValue, param.automaticByDefault,
                    param.automaticByDefault};
}

std::string Configuration::fileName(CfgScope scope, const std::string& database) {
    return scope == CfgScope::kManager ? "config/dbm" : "config/db/" + upperCase(database);
}

Configuration::Table& Configuration::table(CfgScope scope, const std::string& database) {
    std::string name = fileName(scope, database);
    auto found = tables_.find(name);
    if (found != tables_.end()) {
        return found->second;
    }
    Table& table = tables_[name];
    std::string text;
    if (!Instance::get().home().readFile(name, text)) {
        return table;
    }
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields = splitTabs(line);
        if (fields.size() == 5 && knownKey(scope, fields[0])) {
            table[fields[0]] = CfgValue{unescapeField(fields[1]), unescapeField(fields[2]),
                                        fields[3] == "1", fields[4] == "1"};
        }
    }
    return table;
}

CfgValue Configuration::value(const std::string& database, const ConfigParam& param) {
    std::lock_guard<std::mutex> guard(lock_);
    Table& values = table(param.scope, database);
    auto found = values.find(param.name);
    return found == values.end() ? defaultValue(param) : found->second;
}

void Configuration::setValue(const std::string& database, const ConfigParam& param,
                             const CfgValue& value) {
    std::lock_guard<std::mutex> guard(lock_);
    Table& values = table(param.scope, database);
    if (sameAs(value, defaultValue(param))) {
        values.erase(param.name);
    } else {
        values[param.name] = value;
    }
}

void Configuration::resetToDefaults(CfgScope scope, const std::string& database) {
    std::lock_guard<std::mutex> guard(lock_);
    table(scope, database).clear();
}

void Configuration::forget(const std::string& database) {
    std::lock_guard<std::mutex> guard(lock_);
    std::string name = fileName(CfgScope::kDatabase, database);
    tables_.erase(name);
    Instance::get().home().removeFile(name);
}

void Configuration::reload(const std::string& database) {
    std::lock_guard<std::mutex> guard(lock_);
    tables_.erase(fileName(CfgScope::kDatabase, database));
}

bool Configuration::save(CfgScope scope, const std::string& database) {
    std::lock_guard<std::mutex> guard(lock_);
    std::string text;
    for (const auto& [name, value] : table(scope, database)) {
        text += name + "\t" + escapeField(value.immediate) + "\t" + escapeField(value.delayed) +
                "\t" + (value.autoImmediate ? "1" : "0") + "\t" + (value.autoDelayed ? "1" : "0") +
                "\n";
    }
    return Instance::get().home().writeFile(fileName(scope, database), text);
}

long long Configuration::bufferPoolPages(const std::string& database, const std::string& pool) {
    std::lock_guard<std::mutex> guard(lock_);
    Table& values = table(CfgScope::kDatabase, database);
    auto found = values.find(kPoolPrefix + pool);
    return found == values.end() ? kDefaultBufferPoolPages
                                 : std::strtoll(found->second.immediate.c_str(), nullptr, 10);
}

void Configuration::setBufferPoolPages(const std::string& database, const std::string& pool,
                                       long long pages) {
    std::lock_guard<std::mutex> guard(lock_);
    std::string text = std::to_string(pages);
    table(CfgScope::kDatabase, database)[kPoolPrefix + pool] = CfgValue{text, text, false, false};
}

}  // namespace db2sim
