// Builds the monitor stream of one snapshot request: an SQLM_ELM_COLLECTED group holding the
// server's facts and one logical group per object the request's items name (the manager, each
// active database, application, lock list, table space list or buffer pool), as the calling
// application sees them: its own switches decide which counters are collected, its own resets
// where they count from.
//
// A database is active while it is activated or has a connection; requests for an inactive one
// add nothing. A request that adds nothing at all answers SQL1611W (no data).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "db2sim/core/instancestate.h"
#include "db2sim/monitor/monitorstate.h"
#include "db2sim/monitor/monitorstream.h"

namespace db2sim {

class StateHome;

class SnapshotBuilder {
  public:
    // `version` is the stream version asked for (SQLM_DBMON_VERSION6 and later).
    SnapshotBuilder(const void* ctx, uint32_t version, const StateHome& home);

    // Adds what one item asks for: 0, or the sqlcode refusing it (-1602 unknown type, -1603 no
    // object named, -1604 object not terminated, -1013 unknown database).
    int add(const sqlm_obj_struct& item);

    // Groups added so far; 0 means no data.
    uint32_t groups() const { return groups_; }
    // Closes the stream and returns it.
    const std::vector<unsigned char>& finish();
    // The summary DB2 also writes into sqlm_collected.
    void summarize(sqlm_collected& collected) const;

  private:
    struct Target {
        std::string name;   // database name, upper case
        std::string alias;  // as the caller named it, upper case
    };

    void openCollected();
    int database(const sqlm_obj_struct& item, Target& target) const;
    bool active(const std::string& name) const;
    std::vector<Target> activeDatabases() const;

    void addDb2();
    void addSwitchList();
    void addDatabase(const Target& target);
    void addApplication(const OpenConnection& app);
    void addApplications(const std::string& database, long agentId, const std::string& applId);
    void addIdleApplications(const std::string& database);
    void addLocks(const Target& target);
    void addTablespaces(const Target& target);
    void addBufferpool(const Target& target);

    const void* ctx_;
    uint32_t version_;
    const StateHome& home_;
    Switches switches_;
    std::vector<OpenConnection> connections_;
    MonitorStream stream_;
    uint32_t groups_ = 0;
    uint32_t databases_ = 0;
    uint32_t applications_ = 0;
    bool db2_ = false;
};

// The stream's application id of a connection ("*LOCAL.<instance>.<agent id, 12 digits>").
std::string applicationId(const std::string& instance, long agentId);

}  // namespace db2sim
