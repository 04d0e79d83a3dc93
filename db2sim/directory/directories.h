// The three directories of the instance (database, node, DCS) and the other instances the state
// folder knows, which catalogued nodes can lead to. Held by the manager; a reset closes every
// scan and reads the directories again from the state folder.
#pragma once

#include <string>
#include <vector>

#include "db2sim/directory/dbdirectory.h"
#include "db2sim/directory/dcsdirectory.h"
#include "db2sim/directory/nodedirectory.h"
#include "db2sim/core/statehome.h"

namespace db2sim {

class Directories {
  public:
    static constexpr const char* kInstancesFile = "instances";

    void load(StateHome& home);

    DbDirectory& databases() { return databases_; }
    NodeDirectory& nodes() { return nodes_; }
    DcsDirectory& dcs() { return dcs_; }

    // Open scans of all three directories.
    long openScans() const;

    // The local instance first, then those listed in the file "instances" (one name a line).
    std::vector<std::string> instances(const std::string& local) const;
    // Adds a name (1-8 letters, digits, _$#@) to the file; false when refused.
    bool addInstance(StateHome& home, const std::string& name);

  private:
    DbDirectory databases_;
    NodeDirectory nodes_;
    DcsDirectory dcs_;
    std::vector<std::string> instances_;
};

}  // namespace db2sim
