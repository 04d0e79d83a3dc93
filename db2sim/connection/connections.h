// DB2 CLI handles: environments and connections, numbered from 1 and never reused within a
// process, so a stale handle is refused rather than taken for a newer one. A connection is bound
// to the application context given with SQL_ATTR_CONN_CONTEXT; when that context ends, the
// connection is closed (the handle stays until freed).
//
// CLI calls run at once in many threads: each holds the table's lock (hold()) for its whole work
// on it, and the handle functions (alloc*, isEnv, setOdbcVersion, dbc, dbcsOf, free*) expect it
// held. The others take it themselves. It is an area lock: the instance state's lock may be
// taken under it, never the other way round.
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "db2api/db2types.h"

namespace db2sim {

struct Connection {
    SQLHENV env = SQL_NULL_HANDLE;
    void* ctx = nullptr;  // the bound application context
    int partition = 0;
    bool connected = false;
    std::string database;  // name of the connected database
    std::string authid;
    bool forced = false;  // closed by a force: the application's disconnect only releases it
};

class Connections {
  public:
    std::unique_lock<std::mutex> hold() { return std::unique_lock<std::mutex>(lock_); }

    // A new handle, or SQL_NULL_HANDLE when the numbers ran out.
    SQLHENV allocEnv();
    // A new connection of a live environment (the caller checks isEnv).
    SQLHDBC allocDbc(SQLHENV env);

    bool isEnv(SQLHANDLE handle) const { return envs_.count(handle) != 0; }
    void setOdbcVersion(SQLHENV env, SQLINTEGER version) { envs_[env] = version; }
    // The connection of that handle, or null.
    Connection* dbc(SQLHANDLE handle);
    // Connection handles allocated on an environment.
    long dbcsOf(SQLHENV env) const;

    void freeEnv(SQLHENV env) { envs_.erase(env); }
    void freeDbc(SQLHDBC dbc) { dbcs_.erase(dbc); }

    // The context ended: connections bound to it are closed and unbound.
    void contextEnded(const void* ctx);
    // The open connection bound to a context, if any: what later areas check for "connected".
    std::optional<Connection> connectionOf(const void* ctx) const;

    // Frees every handle; numbering goes on, so old handles stay invalid.
    void clear();

    long handles() const;
    long connected() const;

  private:
    SQLHANDLE nextHandle();

    mutable std::mutex lock_;
    std::map<SQLHENV, SQLINTEGER> envs_;  // handle -> ODBC version asked for
    std::map<SQLHDBC, Connection> dbcs_;
    SQLHANDLE last_ = 0;
};

}  // namespace db2sim
