// The DCS directory: local names of host databases, catalogued by sqlegdad and persisted in the
// state folder's file "dcsdirectory". One copy of it can be collected at a time (sqlegdsc), read
// in parts (sqlegdgt) and dropped (sqlegdcl); the copy does not change with later catalogs.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "db2sim/core/statehome.h"

namespace db2sim {

struct DcsEntry {
    std::string ldb;  // upper case
    std::string tdb;
    std::string ar;
    std::string parm;
    std::string comment;
};

class DcsDirectory {
  public:
    static constexpr const char* kFileName = "dcsdirectory";
    // The release DB2 reports in entries it hands back.
    static constexpr unsigned short kRelease = 1;

    DcsDirectory();

    void load(StateHome& home);

    // Each returns the sqlcode.
    int catalog(const sql_dir_entry* in, StateHome& home);
    int uncatalog(const sql_dir_entry* in, StateHome& home);

    // Collects a copy (replacing one still open); `count` is its size.
    int open(short& count);
    // Copies at most `count` entries of the copy into `out` and sets `count` to how many.
    int fetch(short& count, sql_dir_entry* out);
    int close();

    size_t openScans() const { return copy_ ? 1 : 0; }
    void closeAll() { copy_.reset(); }

  private:
    std::vector<DcsEntry>& writable();
    bool save(StateHome& home) const;

    std::shared_ptr<std::vector<DcsEntry>> entries_;
    std::shared_ptr<const std::vector<DcsEntry>> copy_;
    size_t next_ = 0;
};

}  // namespace db2sim
