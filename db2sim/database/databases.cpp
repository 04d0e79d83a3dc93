#include "db2sim/database/databases.h"

#include <sstream>

#include "db2sim/connection/users.h"

namespace db2sim {
namespace {

Database parseLine(const std::string& line) {
    Database database;
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, '\t');) {
        size_t equals = field.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        std::string key = field.substr(0, equals);
        std::string value = field.substr(equals + 1);
        if (key == "name") {
            database.name = value;
        } else if (key == "alias") {
            database.alias = value;
        } else {
            database.more[key] = value;
        }
    }
    return database;
}

std::string formatLine(const Database& database) {
    std::string line = "name=" + database.name + "\talias=" + database.alias;
    for (const auto& field : database.more) {
        line += "\t" + field.first + "=" + field.second;
    }
    return line + "\n";
}

}  // namespace

void Databases::load(StateHome& home) {
    databases_.clear();
    std::string text;
    if (!home.readFile(kFileName, text)) {
        databases_.push_back(Database{kDefaultDatabase, kDefaultDatabase, {}});
        save(home);
        return;
    }
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        Database database = parseLine(line);
        if (!database.name.empty() && !database.alias.empty()) {
            databases_.push_back(std::move(database));
        }
    }
}

bool Databases::save(StateHome& home) const {
    std::string text;
    for (const Database& database : databases_) {
        text += formatLine(database);
    }
    return home.writeFile(kFileName, text);
}

const Database* Databases::findByAlias(const std::string& alias) const {
    std::string wanted = upperCase(alias);
    for (const Database& database : databases_) {
        if (upperCase(database.alias) == wanted) {
            return &database;
        }
    }
    return nullptr;
}

Database* Databases::findByAlias(const std::string& alias) {
    const Databases& self = *this;
    return const_cast<Database*>(self.findByAlias(alias));
}

bool Databases::removeByAlias(const std::string& alias) {
    const Database* found = findByAlias(alias);
    if (found == nullptr) {
        return false;
    }
    databases_.erase(databases_.begin() + (found - databases_.data()));
    return true;
}

}  // namespace db2sim
