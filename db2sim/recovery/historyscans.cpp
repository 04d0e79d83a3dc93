#include "db2sim/recovery/historyscans.h"

#include "db2sim/core/instance.h"
#include "db2sim/core/nodestructor.h"

namespace db2sim {

HistoryScans& HistoryScans::get() {
    static NoDestructor<HistoryScans> scans;
    return scans.get();
}

HistoryScans::HistoryScans() {
    Instance& instance = Instance::get();
    instance.addResetHook([this] {
        std::lock_guard<std::mutex> guard(lock_);
        scans_.clear();
    });
    instance.contexts().onFree([this](void* ctx) {
        std::lock_guard<std::mutex> guard(lock_);
        for (auto it = scans_.begin(); it != scans_.end();) {
            it = it->second.ctx == ctx ? scans_.erase(it) : std::next(it);
        }
    });
    instance.addCounter("scans", [this] { return count(); });
}

std::uint16_t HistoryScans::open(Scan scan) {
    std::lock_guard<std::mutex> guard(lock_);
    if (scans_.size() >= kMaxScans) {
        return 0;
    }
    do {
        ++last_;
    } while (last_ == 0 || scans_.count(last_) != 0);
    scans_.emplace(last_, std::move(scan));
    return last_;
}

HistoryScans::Scan* HistoryScans::find(std::uint16_t handle) {
    std::lock_guard<std::mutex> guard(lock_);
    auto found = scans_.find(handle);
    return found == scans_.end() ? nullptr : &found->second;
}

bool HistoryScans::close(std::uint16_t handle) {
    std::lock_guard<std::mutex> guard(lock_);
    return scans_.erase(handle) == 1;
}

long HistoryScans::count() {
    std::lock_guard<std::mutex> guard(lock_);
    return static_cast<long>(scans_.size());
}

}  // namespace db2sim
