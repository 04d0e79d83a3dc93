// The node directory: nodes catalogued by sqlectnd with their protocol's fields, persisted in the
// state folder's file "nodedirectory". A scan sees the directory as it was when it was opened.
// It also tells an attachment where a node leads (route).
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "db2sim/directory/directoriesscans.h"
#include "db2sim/core/statehome.h"

namespace db2sim {

struct NodeEntry {
    std::string name;  // upper case
    unsigned char protocol = SQL_PROTOCOL_TCPIP;
    std::string comment;
    std::map<std::string, std::string> fields;  // the protocol's fields by name ("hostname", ...)
};

// Where an attachment through a node goes: an instance, or the sqlcode and tokens of the failure.
struct NodeRoute {
    int sqlcode = 0;
    std::vector<std::string> tokens;
    std::string instance;
};

class NodeDirectory {
  public:
    static constexpr const char* kFileName = "nodedirectory";

    NodeDirectory();

    void load(StateHome& home);

    // sqlectnd: checks the caller's structures, then catalogs. Returns the sqlcode.
    int catalog(const sqle_node_struct* node, const void* protocol, StateHome& home);
    int uncatalog(const std::string& name, StateHome& home);
    // The node of that name (any case), or null.
    const NodeEntry* find(const std::string& name) const;

    // An attachment through `name`: TCP/IP nodes on this host reach the instance their service
    // names when it is known, else the local one; local and named-pipe nodes reach their
    // instance; anything else is unreachable (SQL30081N).
    NodeRoute route(const NodeEntry& node, const std::vector<std::string>& instances,
                    const std::string& localInstance) const;

    int open(unsigned short& handle, unsigned short& count);
    // `entry` points into the scan's own buffer, valid until its next call or close.
    int next(unsigned short handle, sqleninfo*& entry);
    int close(unsigned short handle);

    size_t openScans() const { return scans_.size(); }
    void closeAll() { scans_.clear(); }

  private:
    struct Scan {
        std::shared_ptr<const std::vector<NodeEntry>> entries;
        size_t next = 0;
        std::unique_ptr<sqleninfo> buffer;
    };

    std::vector<NodeEntry>& writable();
    bool save(StateHome& home) const;

    std::shared_ptr<std::vector<NodeEntry>> entries_;
    DirectoriesScans<Scan> scans_;
};

}  // namespace db2sim
