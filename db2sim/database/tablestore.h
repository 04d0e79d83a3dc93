// The tables of every database of the instance. A database's tables are read from the state
// folder on first use (tables/<DBNAME>/...); a database with no files yet starts empty, except
// SAMPLE, which starts with DB2's sample tables ORG and STAFF in the instance owner's schema.
//
// Threads: the store has one area lock. Every access runs inside with(), which holds it; the
// work must not call back into the store nor take another area lock. Calls that change tables
// are kChange calls (instance lock exclusive); a kRead call may read through with() as well.
//
//     TableStore::get().with("SAMPLE", [&](DatabaseTables& tables) {
//         Table* staff = tables.find("DB2INST1", "STAFF");
//         ...
//         tables.save(Instance::get().home(), *staff);
//     });
//
// Restore puts a database's files back and calls reload(); drop database calls forget().
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "db2sim/database/databasetables.h"

namespace db2sim {

class TableStore {
  public:
    static constexpr const char* kFolder = "tables";
    static constexpr const char* kSampleDatabase = "SAMPLE";

    static TableStore& get();

    // Runs `work(DatabaseTables&)` on the tables of `database` (its name, any case) under the
    // store's lock and returns what it returns.
    template <class Work>
    auto with(const std::string& database, Work&& work) {
        std::lock_guard<std::mutex> guard(lock_);
        return work(tablesOf(database));
    }

    // A database was created: it starts with no tables, whatever its name.
    void created(const std::string& database);
    // A database was dropped: its tables go, in memory and in the state folder.
    void forget(const std::string& database);
    // Drops the in-memory copy of a database's tables; the next use reads the files again.
    void reload(const std::string& database);
    // Drops every in-memory copy (reset).
    void reloadAll();
    // The state folder's names of the database's files, for a backup image.
    std::vector<std::string> fileNames(const std::string& database);

    // ORG and STAFF as DB2's sample database holds them, in `schema`.
    static std::vector<Table> sampleTables(const std::string& schema);

  private:
    TableStore();
    DatabaseTables& tablesOf(const std::string& database);

    std::mutex lock_;
    std::map<std::string, std::unique_ptr<DatabaseTables>> databases_;  // by upper-case name

    template <class T>
    friend class NoDestructor;
};

}  // namespace db2sim
