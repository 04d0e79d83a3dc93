// The tables of one database, by schema and name, as TableStore hands them out. Changes are
// kept in memory until save() writes the changed table (and the list of tables) back to the
// state folder: tables/<DBNAME>/catalog lists "SCHEMA.NAME" a line, and each table has its own
// file tables/<DBNAME>/<SCHEMA>.<NAME>.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "db2sim/database/table.h"

namespace db2sim {

class StateHome;

class DatabaseTables {
  public:
    explicit DatabaseTables(std::string database) : database_(std::move(database)) {}

    const std::string& database() const { return database_; }

    // The table of that schema and name (upper case), or null.
    Table* find(const std::string& schema, const std::string& name);
    // Adds a table; null when one of that name exists or a name is not a plain identifier
    // (1-128 of letters, digits, '_', '@', '#', '$', not starting with a digit).
    Table* add(Table table);
    // Removes a table and its file; false when there is none.
    bool remove(StateHome& home, const std::string& schema, const std::string& name);
    // Every table, in the order they were added.
    std::vector<Table*> all();

    // Writes one table and the catalogue.
    bool save(StateHome& home, const Table& table) const;
    // Writes every table and the catalogue.
    bool saveAll(StateHome& home) const;
    // Reads the catalogue and the tables it lists; false when there is no catalogue. A table
    // file that is missing or malformed is skipped.
    bool load(StateHome& home);
    // Removes every file of the database from the state folder.
    void removeFiles(StateHome& home) const;
    // The state folder's names of the database's files (catalogue first), for a backup image.
    std::vector<std::string> fileNames() const;

    static bool validName(const std::string& name);

  private:
    std::string folder() const;
    bool saveCatalog(StateHome& home) const;

    std::string database_;
    std::vector<std::unique_ptr<Table>> tables_;  // stable addresses while the lock is held
};

}  // namespace db2sim
