#include "db2sim/core/manager.h"

#include "db2sim/core/instance.h"
#include "db2sim/core/nodestructor.h"

namespace db2sim {

Manager& Manager::get() {
    static NoDestructor<Manager> manager;
    return manager.get();
}

Manager::Manager() {
    Instance& instance = Instance::get();
    users_.load(instance.home(), instance.name());
    databases_.load(instance.home());
    directories_.load(instance.home());
    instance.addResetHook([this] { reset(); });
    instance.addCounter("cli_handles", [this] { return connections_.handles(); });
    instance.addCounter("connections", [this] { return connections_.connected(); });
    instance.addCounter("attachments", [this] { return attachments_.count(); });
    instance.addCounter("scans", [this] { return directories_.openScans(); });
    instance.contexts().onFree([this](void* ctx) { contextEnded(ctx); });
}

void Manager::reset() {
    Instance& instance = Instance::get();
    started_ = true;
    lastAgentId_ = 0;
    attachments_.clear();
    connections_.clear();
    users_.load(instance.home(), instance.name());
    databases_.load(instance.home());
    directories_.load(instance.home());
}

void Manager::contextEnded(void* ctx) {
    attachments_.forget(ctx);
    connections_.contextEnded(ctx);
}

}  // namespace db2sim
