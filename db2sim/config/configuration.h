// Configuration values of the database manager and of each database, with the value in effect
// now (immediate) and the one that takes effect at the next start (delayed), each with its
// AUTOMATIC flag. Only values that differ from a parameter's default are kept; they persist in
// the state folder as "config/dbm" and "config/db/<NAME>", one line per parameter (a database's
// buffer-pool sizes too).
//
// A reset forgets what was read, so the next use reads the state folder again. Reads run at once
// (db2CfgGet) and read the folder on first use, so the tables have a lock of their own (an area
// lock).
#pragma once

#include <map>
#include <mutex>
#include <string>

#include "db2sim/config/configparams.h"

namespace db2sim {

struct CfgValue {
    std::string immediate;
    std::string delayed;
    bool autoImmediate = false;
    bool autoDelayed = false;
};

class Configuration {
  public:
    static Configuration& get();

    // The values of `param` for the manager (database ignored) or for the database of that name.
    CfgValue value(const std::string& database, const ConfigParam& param);
    void setValue(const std::string& database, const ConfigParam& param, const CfgValue& value);
    // Back to the defaults of every parameter of the scope.
    void resetToDefaults(CfgScope scope, const std::string& database);
    // A database was dropped: its values go, in memory and in the state folder.
    void forget(const std::string& database);
    // Drops the in-memory copy of a database's values; the next use reads the state folder again
    // (a restore wrote it).
    void reload(const std::string& database);
    // Writes one configuration to the state folder.
    bool save(CfgScope scope, const std::string& database);

    // Pages of a buffer pool of a database, kept with the database's configuration.
    long long bufferPoolPages(const std::string& database, const std::string& pool);
    void setBufferPoolPages(const std::string& database, const std::string& pool, long long pages);

    static CfgValue defaultValue(const ConfigParam& param);
    static constexpr long long kDefaultBufferPoolPages = 1000;

  private:
    // By parameter name; buffer pools of a database as "@" + pool name.
    using Table = std::map<std::string, CfgValue>;

    Configuration();
    static std::string fileName(CfgScope scope, const std::string& database);
    Table& table(CfgScope scope, const std::string& database);

    std::mutex lock_;
    std::map<std::string, Table> tables_;  // by file name, read on first use

    template <class T>
    friend class NoDestructor;
};

}  // namespace db2sim
