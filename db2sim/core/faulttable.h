// Faults injected into entry points by name, each for the next N calls or until cleared. Safe to
// use from any thread; its lock is a leaf.
#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace db2sim {

enum class FaultKind {
    kMissing = 1,  // the entry point returns -1 and touches nothing
    kError = 2,    // the call fails with the sqlcode before doing anything
    kWarning = 3,  // the call does its work, then reports the (positive) sqlcode
};

struct Fault {
    FaultKind kind;
    int sqlcode;
    std::string tokens;  // as sqlerrmc holds them
    int remaining;       // calls left; 0 = until cleared
};

class FaultTable {
  public:
    // Replaces any fault of `entry`. False when kind and sqlcode do not agree or times < 0.
    bool inject(const std::string& entry, const Fault& fault);

    // The fault that applies to this call of `entry`, counting the call. Every entry-point call
    // asks, so the name is looked up without a copy, and not at all while no fault is set.
    std::optional<Fault> take(std::string_view entry) {
        return any_.load(std::memory_order_acquire) ? takeSet(entry) : std::nullopt;
    }

    void clear();

  private:
    // take() once some fault is set.
    std::optional<Fault> takeSet(std::string_view entry);

    std::mutex lock_;
    std::atomic<bool> any_{false};  // faults_ is not empty
    std::map<std::string, Fault, std::less<>> faults_;
};

}  // namespace db2sim
