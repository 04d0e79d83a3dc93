// What the instance's databases are doing right now: which are activated, which are quiesced
// (and by whom), which instances are quiesced, and which CLI connections are open on which
// database. Lives in memory only; a reset forgets it all, an ended context closes its
// connections here too.
//
// Quiesce and activation change only in calls that hold the instance lock exclusively; the
// connections change in CLI calls that run at once, behind a lock of their own (taken after the
// CLI connections' lock, never before).
#pragma once

#include <ctime>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "db2api/db2types.h"

namespace db2sim {

struct Quiescer {
    std::string user;   // authid allowed to connect besides the owner, may be empty
    std::string group;  // kept for the journal of a later area; not checked
};

// An open connection as the monitor shows it: an application with its own agent id.
struct OpenConnection {
    SQLHDBC dbc = 0;
    void* ctx = nullptr;
    std::string database;
    std::string authid;
    long agentId = 0;
    std::time_t since = 0;
};

class InstanceState {
  public:
    static InstanceState& get();

    // Connections are known by CLI handle; database names are kept in upper case. Each gets a new
    // agent id from the manager's numbering.
    void connectionOpened(SQLHDBC dbc, void* ctx, const std::string& database,
                          const std::string& authid = {});
    void connectionClosed(SQLHDBC dbc);
    long connectionsTo(const std::string& database) const;
    long connectionCount() const;
    // Contexts holding an open connection (a forced stop closes them).
    std::vector<void*> connectedContexts() const;
    // Every open connection, in handle order.
    std::vector<OpenConnection> openConnections() const;
    // Connections opened to `database` since the last reset, closed ones included.
    long connectsTo(const std::string& database) const;

    bool isActive(const std::string& database) const;
    void setActive(const std::string& database, bool active);
    size_t activeCount() const { return active_.size(); }

    bool isQuiesced(const std::string& database) const;
    void quiesceDatabase(const std::string& database, const std::string& by);
    void unquiesceDatabase(const std::string& database);
    void quiesceInstance(const std::string& instance, const Quiescer& quiescer);
    void unquiesceInstance(const std::string& instance);
    bool isInstanceQuiesced(const std::string& instance) const;

    // Whether `authid` may connect to `database` of `instance` while either is quiesced: the
    // instance owner may, and so may the user who quiesced or was named by the quiesce.
    bool mayConnect(const std::string& instance, const std::string& database,
                    const std::string& authid) const;

    // A database went away: its activation, quiesce and (closed) connections are forgotten.
    void forgetDatabase(const std::string& database);
    // The manager stopped: no database stays activated, no connection stays open.
    void stopped();

  private:
    InstanceState();
    void contextEnded(const void* ctx);
    void clear();

    mutable std::mutex connectionsLock_;  // guards connections_
    std::map<SQLHDBC, OpenConnection> connections_;
    std::map<std::string, long> connects_;  // by database, under connectionsLock_
    std::set<std::string> active_;
    std::map<std::string, std::string> quiescedDatabases_;  // database -> quiescing authid
    std::map<std::string, Quiescer> quiescedInstances_;     // instance name -> quiescer

    template <class T>
    friend class NoDestructor;
};

}  // namespace db2sim
