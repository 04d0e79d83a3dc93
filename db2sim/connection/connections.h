// DB2 CLI handles: environments and connections, numbered from 1 and never reused within a
// process, so a stale handle is refused rather than taken for a newer one. A connection is bound
// to the application context given with SQL_ATTR_CONN_CONTEXT; when that context ends, the
// connection is closed (the handle stays until freed).
#pragma once

#include <map>
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
};

class Connections {
  public:
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
    // The open connection bound to a context, or null: what later areas check for "connected".
    const Connection* connectionOf(const void* ctx) const;

    // Frees every handle; numbering goes on, so old handles stay invalid.
    void clear();

    long handles() const { return static_cast<long>(envs_.size() + dbcs_.size()); }
    long connected() const;

  private:
    SQLHANDLE nextHandle();

    std::map<SQLHENV, SQLINTEGER> envs_;  // handle -> ODBC version asked for
    std::map<SQLHDBC, Connection> dbcs_;
    SQLHANDLE last_ = 0;
};

}  // namespace db2sim
