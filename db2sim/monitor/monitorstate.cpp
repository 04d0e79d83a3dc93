#include "db2sim/monitor/monitorstate.h"

#include <optional>

#include "db2sim/config/configparams.h"
#include "db2sim/config/configuration.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/instancestate.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/nodestructor.h"
#include "db2sim/connection/users.h"

namespace db2sim {
namespace {

// The manager's default switch parameter of each group, in group order.
constexpr const char* kDefaultParams[mon::kSwitchCount] = {
    "dft_mon_uow",  "dft_mon_stmt", "dft_mon_table",    "dft_mon_bufpool",
    "dft_mon_lock", "dft_mon_sort", "dft_mon_timestamp"};

bool defaultOn(const char* name) {
    const ConfigParam* param = ConfigParams::findByName(CfgScope::kManager, name);
    return param != nullptr && Configuration::get().value("", *param).immediate == "1";
}

}  // namespace

MonitorState& MonitorState::get() {
    static NoDestructor<MonitorState> state;
    return state.get();
}

MonitorState::MonitorState() : startTime_(std::time(nullptr)) {
    Instance& instance = Instance::get();
    instance.addResetHook([this] { clear(); });
    instance.contexts().onFree([this](void* ctx) {
        std::lock_guard<std::mutex> guard(lock_);
        views_.erase(ctx);
    });
}

void MonitorState::clear() {
    std::lock_guard<std::mutex> guard(lock_);
    views_.clear();
    startTime_.store(std::time(nullptr));
    idleApplications_.store(0);
}

Switches MonitorState::defaults() const {
    std::time_t since = startTime_.load();
    Switches switches{};
    for (int group = 0; group < mon::kSwitchCount; ++group) {
        switches[group].on = defaultOn(kDefaultParams[group]);
        switches[group].setTime = switches[group].on ? since : 0;
    }
    return switches;
}

long MonitorState::attachedAgent(const void* ctx) {
    std::optional<Attachment> attachment = Manager::get().attachments().find(ctx);
    return attachment ? attachment->agentId : 0;
}

MonitorState::View& MonitorState::viewOf(const void* ctx, long agentId, const Switches& defaults) {
    auto found = views_.find(ctx);
    if (found == views_.end() || found->second.agentId != agentId) {
        View fresh;
        fresh.agentId = agentId;
        fresh.switches = defaults;
        found = views_.insert_or_assign(ctx, std::move(fresh)).first;
    }
    return found->second;
}

Switches MonitorState::switches(const void* ctx) {
    long agentId = attachedAgent(ctx);
    Switches fallback = defaults();
    std::lock_guard<std::mutex> guard(lock_);
    return agentId == 0 ? fallback : viewOf(ctx, agentId, fallback).switches;
}

Switches MonitorState::setSwitches(const void* ctx, long agentId, const uint32_t* states,
                                   int count) {
    std::time_t now = std::time(nullptr);
    Switches fallback = defaults();
    std::lock_guard<std::mutex> guard(lock_);
    Switches& switches = viewOf(ctx, agentId, fallback).switches;
    for (int group = 0; group < count && group < mon::kSwitchCount; ++group) {
        if (states[group] == mon::kHold) {
            continue;
        }
        bool on = states[group] == mon::kOn;
        if (on != switches[group].on) {
            switches[group] = SwitchState{on, on ? now : 0};
        }
    }
    return switches;
}

void MonitorState::reset(const void* ctx, long agentId, const std::string& database) {
    std::time_t now = std::time(nullptr);
    InstanceState& state = InstanceState::get();
    std::map<std::string, Baseline> taken;
    if (!database.empty()) {
        taken[upperCase(database)] = Baseline{};
    } else {
        for (const Database& each : Manager::get().databases().all()) {
            taken[upperCase(each.name)] = Baseline{};
        }
    }
    for (auto& entry : taken) {
        entry.second = Baseline{state.connectsTo(entry.first), now};
    }
    Switches fallback = defaults();
    std::lock_guard<std::mutex> guard(lock_);
    View& view = viewOf(ctx, agentId, fallback);
    for (const auto& entry : taken) {
        view.baselines[entry.first] = entry.second;
    }
}

DatabaseCounters MonitorState::counters(const void* ctx, const std::string& database) {
    std::string name = upperCase(database);
    long connects = InstanceState::get().connectsTo(name);
    long agentId = attachedAgent(ctx);
    std::lock_guard<std::mutex> guard(lock_);
    auto view = views_.find(ctx);
    if (agentId == 0 || view == views_.end() || view->second.agentId != agentId) {
        return DatabaseCounters{connects, 0};
    }
    auto baseline = view->second.baselines.find(name);
    if (baseline == view->second.baselines.end()) {
        return DatabaseCounters{connects, 0};
    }
    return DatabaseCounters{connects - baseline->second.connects, baseline->second.at};
}

}  // namespace db2sim
