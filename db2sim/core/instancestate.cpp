#include "db2sim/core/instancestate.h"

#include <algorithm>

#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/nodestructor.h"
#include "db2sim/connection/users.h"

namespace db2sim {

InstanceState& InstanceState::get() {
    static NoDestructor<InstanceState> state;
    return state.get();
}

InstanceState::InstanceState() {
    Instance& instance = Instance::get();
    instance.addResetHook([this] { clear(); });
    instance.contexts().onFree([this](void* ctx) { contextEnded(ctx); });
}

void InstanceState::clear() {
    std::lock_guard<std::mutex> guard(connectionsLock_);
    connections_.clear();
    connects_.clear();
    active_.clear();
    quiescedDatabases_.clear();
    quiescedInstances_.clear();
}

void InstanceState::stopped() {
    std::lock_guard<std::mutex> guard(connectionsLock_);
    active_.clear();
    connections_.clear();
}

long InstanceState::connectionCount() const {
    std::lock_guard<std::mutex> guard(connectionsLock_);
    return static_cast<long>(connections_.size());
}

void InstanceState::contextEnded(const void* ctx) {
    std::lock_guard<std::mutex> guard(connectionsLock_);
    for (auto it = connections_.begin(); it != connections_.end();) {
        it = it->second.ctx == ctx ? connections_.erase(it) : std::next(it);
    }
}

void InstanceState::connectionOpened(SQLHDBC dbc, void* ctx, const std::string& database,
                                     const std::string& authid) {
    long agentId = Manager::get().nextAgentId();
    std::lock_guard<std::mutex> guard(connectionsLock_);
    std::string name = upperCase(database);
    connections_[dbc] = OpenConnection{dbc, ctx, name, authid, agentId, std::time(nullptr)};
    ++connects_[name];
}

std::vector<OpenConnection> InstanceState::openConnections() const {
    std::vector<OpenConnection> open;
    std::lock_guard<std::mutex> guard(connectionsLock_);
    for (const auto& entry : connections_) {
        open.push_back(entry.second);
    }
    return open;
}

long InstanceState::connectsTo(const std::string& database) const {
    std::lock_guard<std::mutex> guard(connectionsLock_);
    auto found = connects_.find(upperCase(database));
    return found == connects_.end() ? 0 : found->second;
}

void InstanceState::connectionClosed(SQLHDBC dbc) {
    std::lock_guard<std::mutex> guard(connectionsLock_);
    connections_.erase(dbc);
}

long InstanceState::connectionsTo(const std::string& database) const {
    std::string wanted = upperCase(database);
    std::lock_guard<std::mutex> guard(connectionsLock_);
    return std::count_if(connections_.begin(), connections_.end(),
                         [&](const auto& open) { return open.second.database == wanted; });
}

std::vector<void*> InstanceState::connectedContexts() const {
    std::vector<void*> contexts;
    std::lock_guard<std::mutex> guard(connectionsLock_);
    for (const auto& open : connections_) {
        contexts.push_back(open.second.ctx);
    }
    return contexts;
}

bool InstanceState::isActive(const std::string& database) const {
    return active_.count(upperCase(database)) != 0;
}

void InstanceState::setActive(const std::string& database, bool active) {
    if (active) {
        active_.insert(upperCase(database));
    } else {
        active_.erase(upperCase(database));
    }
}

bool InstanceState::isQuiesced(const std::string& database) const {
    return quiescedDatabases_.count(upperCase(database)) != 0;
}

void InstanceState::quiesceDatabase(const std::string& database, const std::string& by) {
    quiescedDatabases_[upperCase(database)] = upperCase(by);
}

void InstanceState::unquiesceDatabase(const std::string& database) {
    quiescedDatabases_.erase(upperCase(database));
}

void InstanceState::quiesceInstance(const std::string& instance, const Quiescer& quiescer) {
    quiescedInstances_[upperCase(instance)] =
        Quiescer{upperCase(quiescer.user), upperCase(quiescer.group)};
}

void InstanceState::unquiesceInstance(const std::string& instance) {
    quiescedInstances_.erase(upperCase(instance));
}

bool InstanceState::isInstanceQuiesced(const std::string& instance) const {
    return quiescedInstances_.count(upperCase(instance)) != 0;
}

bool InstanceState::mayConnect(const std::string& instance, const std::string& database,
                               const std::string& authid) const {
    std::string who = upperCase(authid);
    if (who == upperCase(instance)) {
        return true;  // the owner holds SYSADM
    }
    auto db = quiescedDatabases_.find(upperCase(database));
    if (db != quiescedDatabases_.end() && db->second != who) {
        return false;
    }
    auto in = quiescedInstances_.find(upperCase(instance));
    return in == quiescedInstances_.end() || in->second.user == who;
}

void InstanceState::forgetDatabase(const std::string& database) {
    std::string name = upperCase(database);
    active_.erase(name);
    quiescedDatabases_.erase(name);
}

}  // namespace db2sim
