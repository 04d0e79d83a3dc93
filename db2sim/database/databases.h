// The databases of the instance, by name and alias. A fresh instance holds one, SAMPLE. The list
// lives in the state folder's file "databases", one line per database of tab-separated
// "key=value" fields; fields this version does not know are kept, so later areas can add theirs.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "db2sim/core/statehome.h"

namespace db2sim {

struct Database {
    std::string name;
    std::string alias;
    std::map<std::string, std::string> more;  // fields of other areas, written back as read
};

class Databases {
  public:
    static constexpr const char* kFileName = "databases";
    static constexpr const char* kDefaultDatabase = "SAMPLE";

    // Reads the list from the state folder; a missing file gives SAMPLE and is written.
    void load(StateHome& home);
    bool save(StateHome& home) const;

    // The database with that alias (compared case-insensitively), or null.
    const Database* findByAlias(const std::string& alias) const;
    Database* findByAlias(const std::string& alias);
    // Adds a database at the end of the list; the caller checked name and alias.
    void add(Database database) { databases_.push_back(std::move(database)); }
    // Removes the database with that alias; false when there is none.
    bool removeByAlias(const std::string& alias);
    const std::vector<Database>& all() const { return databases_; }

  private:
    std::vector<Database> databases_;
};

}  // namespace db2sim
