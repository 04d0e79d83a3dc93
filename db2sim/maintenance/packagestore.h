// The packages of every database of the instance, kept in the state folder as packages/<DBNAME>
// (one package a line with its statements after it) and read on first use. SAMPLE starts with
// the CLI packages DB2 binds into every database (NULLID.SYSSH100, SYSSN100, SYSLH100).
//
// Threads: one area lock; every access runs inside with(). Bind, rebind and precompile are
// kChange calls. Restore puts a database's file back and calls reload(); drop database calls
// forget().
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace db2sim {

struct Package {
    std::string schema;  // upper case
    std::string name;    // upper case
    std::string version;
    std::string program;   // the program file it was precompiled from
    std::string boundBy;   // authid of the last bind or rebind
    int isolation = -1;    // the bind option, -1 when none was given
    int reopt = -1;        // the last rebind's option, -1 when none was given
    unsigned binds = 0;    // binds and precompiles that made or replaced it
    unsigned rebinds = 0;  // rebinds since
    std::vector<std::string> statements;

    std::string qualifiedName() const { return schema + "." + name; }
};

class PackageStore {
  public:
    using Packages = std::map<std::string, Package>;  // by "SCHEMA.NAME"

    static constexpr const char* kFolder = "packages";

    static PackageStore& get();

    // Runs `work(Packages&)` on the packages of `database` (any case) under the store's lock.
    template <class Work>
    auto with(const std::string& database, Work&& work) {
        std::lock_guard<std::mutex> guard(lock_);
        return work(packagesOf(database));
    }
    // Writes the database's packages to the state folder; call from inside with().
    bool save(const std::string& database, const Packages& packages);

    void forget(const std::string& database);
    void reload(const std::string& database);
    void reloadAll();
    // The state folder's name of a database's file.
    static std::string fileName(const std::string& database);

    // The file form and back; parse() skips malformed lines.
    static std::string serialize(const Packages& packages);
    static Packages parse(const std::string& text);

  private:
    PackageStore();
    Packages& packagesOf(const std::string& database);

    std::mutex lock_;
    std::map<std::string, Packages> databases_;

    template <class T>
    friend class NoDestructor;
};

}  // namespace db2sim
