#include "db2sim/database/databasetables.h"

#include <cctype>
#include <sstream>

#include "db2sim/core/statehome.h"

namespace db2sim {
namespace {

constexpr const char* kCatalog = "catalog";
constexpr size_t kMaxName = 128;

}  // namespace

bool DatabaseTables::validName(const std::string& name) {
    if (name.empty() || name.size() > kMaxName ||
        std::isdigit(static_cast<unsigned char>(name[0]))) {
        return false;
    }
    for (char c : name) {
        bool upperOrDigit = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!upperOrDigit && c != '_' && c != '@' && c != '#' && c != '$') {
            return false;
        }
    }
    return true;
}

std::string DatabaseTables::folder() const {
    return std::string("tables/") + database_;
}

Table* DatabaseTables::find(const std::string& schema, const std::string& name) {
    for (const auto& table : tables_) {
        if (table->schema == schema && table->name == name) {
            return table.get();
        }
    }
    return nullptr;
}

Table* DatabaseTables::add(Table table) {
    if (!validName(table.schema) || !validName(table.name) ||
        find(table.schema, table.name) != nullptr) {
        return nullptr;
    }
    tables_.push_back(std::make_unique<Table>(std::move(table)));
    return tables_.back().get();
}

bool DatabaseTables::remove(StateHome& home, const std::string& schema, const std::string& name) {
    for (auto it = tables_.begin(); it != tables_.end(); ++it) {
        if ((*it)->schema == schema && (*it)->name == name) {
            home.removeFile(folder() + "/" + (*it)->qualifiedName());
            tables_.erase(it);
            saveCatalog(home);
            return true;
        }
    }
    return false;
}

std::vector<Table*> DatabaseTables::all() {
    std::vector<Table*> tables;
    for (const auto& table : tables_) {
        tables.push_back(table.get());
    }
    return tables;
}

bool DatabaseTables::saveCatalog(StateHome& home) const {
    std::string text;
    for (const auto& table : tables_) {
        text += table->qualifiedName() + "\n";
    }
    return home.writeFile(folder() + "/" + kCatalog, text);
}

bool DatabaseTables::save(StateHome& home, const Table& table) const {
    bool written = home.writeFile(folder() + "/" + table.qualifiedName(), table.serialize());
    return saveCatalog(home) && written;
}

bool DatabaseTables::saveAll(StateHome& home) const {
    bool ok = saveCatalog(home);
    for (const auto& table : tables_) {
        ok = home.writeFile(folder() + "/" + table->qualifiedName(), table->serialize()) && ok;
    }
    return ok;
}

bool DatabaseTables::load(StateHome& home) {
    std::string catalog;
    if (!home.readFile(folder() + "/" + kCatalog, catalog)) {
        return false;
    }
    tables_.clear();
    std::istringstream in(catalog);
    for (std::string entry; std::getline(in, entry);) {
        std::string text;
        Table table;
        size_t dot = entry.find('.');
        if (dot == std::string::npos || !validName(entry.substr(0, dot)) ||
            !validName(entry.substr(dot + 1)) || !home.readFile(folder() + "/" + entry, text) ||
            !Table::parse(text, table) || table.qualifiedName() != entry) {
            continue;
        }
        add(std::move(table));
    }
    return true;
}

void DatabaseTables::removeFiles(StateHome& home) const {
    for (const std::string& name : fileNames()) {
        home.removeFile(name);
    }
}

std::vector<std::string> DatabaseTables::fileNames() const {
    std::vector<std::string> names{folder() + "/" + kCatalog};
    for (const auto& table : tables_) {
        names.push_back(folder() + "/" + table->qualifiedName());
    }
    return names;
}

}  // namespace db2sim
