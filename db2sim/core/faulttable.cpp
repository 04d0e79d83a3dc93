#include "db2sim/core/faulttable.h"

namespace db2sim {

bool FaultTable::inject(const std::string& entry, const Fault& fault) {
    bool codeFits = (fault.kind == FaultKind::kMissing) ||
                    (fault.kind == FaultKind::kError && fault.sqlcode < 0) ||
                    (fault.kind == FaultKind::kWarning && fault.sqlcode > 0);
    if (!codeFits || fault.remaining < 0) {
        return false;
    }
    std::lock_guard<std::mutex> guard(lock_);
    faults_[entry] = fault;
    any_.store(true, std::memory_order_release);
    return true;
}

void FaultTable::clear() {
    std::lock_guard<std::mutex> guard(lock_);
    faults_.clear();
    any_.store(false, std::memory_order_release);
}

std::optional<Fault> FaultTable::takeSet(std::string_view entry) {
    std::lock_guard<std::mutex> guard(lock_);
    auto it = faults_.find(entry);
    if (it == faults_.end()) {
        return std::nullopt;
    }
    Fault fault = it->second;
    if (it->second.remaining > 0 && --it->second.remaining == 0) {
        faults_.erase(it);
        any_.store(!faults_.empty(), std::memory_order_release);
    }
    return fault;
}

}  // namespace db2sim
