#include "db2sim/connection/connections.h"

#include <algorithm>
#include <limits>

namespace db2sim {

SQLHANDLE Connections::nextHandle() {
    if (last_ == std::numeric_limits<SQLHANDLE>::max()) {
        return SQL_NULL_HANDLE;
    }
    return ++last_;
}

SQLHENV Connections::allocEnv() {
    SQLHENV env = nextHandle();
    if (env != SQL_NULL_HANDLE) {
        envs_[env] = 0;
    }
    return env;
}

SQLHDBC Connections::allocDbc(SQLHENV env) {
    SQLHDBC dbc = nextHandle();
    if (dbc != SQL_NULL_HANDLE) {
        dbcs_[dbc].env = env;
    }
    return dbc;
}

Connection* Connections::dbc(SQLHANDLE handle) {
    auto it = dbcs_.find(handle);
    return it == dbcs_.end() ? nullptr : &it->second;
}

long Connections::dbcsOf(SQLHENV env) const {
    return static_cast<long>(std::count_if(
        dbcs_.begin(), dbcs_.end(), [&](const auto& entry) { return entry.second.env == env; }));
}

void Connections::contextEnded(const void* ctx) {
    std::lock_guard<std::mutex> guard(lock_);
    for (auto& entry : dbcs_) {
        Connection& connection = entry.second;
        if (connection.ctx == ctx) {
            connection = Connection{connection.env, nullptr, connection.partition, false, {}, {}};
        }
    }
}

std::optional<Connection> Connections::connectionOf(const void* ctx) const {
    std::lock_guard<std::mutex> guard(lock_);
    for (const auto& entry : dbcs_) {
        if (entry.second.connected && entry.second.ctx == ctx) {
            return entry.second;
        }
    }
    return std::nullopt;
}

void Connections::clear() {
    std::lock_guard<std::mutex> guard(lock_);
    envs_.clear();
    dbcs_.clear();
}

long Connections::handles() const {
    std::lock_guard<std::mutex> guard(lock_);
    return static_cast<long>(envs_.size() + dbcs_.size());
}

long Connections::connected() const {
    std::lock_guard<std::mutex> guard(lock_);
    return static_cast<long>(std::count_if(
        dbcs_.begin(), dbcs_.end(), [](const auto& entry) { return entry.second.connected; }));
}

}  // namespace db2sim
