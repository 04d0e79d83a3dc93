// The simulated instance: all shared state of the stand-in. Every call holds the instance lock
// (ApiCall takes it): shared by calls that only read what it guards, exclusive by calls that
// change it, so an area's state that only kChange calls change needs no lock of its own, and
// state that kRead calls change (attachments, CLI connections, scans) has an area lock.
// Later areas hang their state here through resetHook/counter instead of globals of their own.
#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <vector>

#include "db2sim/core/contextpool.h"
#include "db2sim/core/faulttable.h"
#include "db2sim/core/journal.h"
#include "db2sim/core/memoryregistry.h"
#include "db2sim/core/readmostlylock.h"
#include "db2sim/core/statehome.h"

namespace db2sim {

class Instance {
  public:
    static constexpr const char* kDefaultProduct = "SQL09074";
    static constexpr const char* kDefaultName = "db2inst1";

    static Instance& get();

    ReadMostlyLock& lock() { return lock_; }

    ContextPool& contexts() { return contexts_; }
    MemoryRegistry& memory() { return memory_; }
    FaultTable& faults() { return faults_; }
    Journal& journal() { return journal_; }
    StateHome& home() { return home_; }

    const std::string& product() const { return product_; }
    // Three letters and five digits ("SQL08020"); false otherwise.
    bool setProduct(const std::string& signature);
    const std::string& name() const { return name_; }

    // Context type set by sqleSetTypeCtx (0 until set).
    int contextType() const { return contexts_.type(); }

    // Live objects by counter name ("contexts", "cli_handles", "scans", "memory"); -1 if unknown.
    long counter(const std::string& name);
    // An area reports the live count of its objects under `name`; areas that report under one
    // name (the scans of the directories and of the history) add up. Counters and reset hooks may
    // be added while calls run (an area joins on first use); they run without the hooks' lock.
    void addCounter(const std::string& name, std::function<long()> count);
    // An area drops its state on reset().
    void addResetHook(std::function<void()> hook);

    // Back to a fresh instance: ends every context of every thread, frees handed-out memory,
    // clears faults and journal, restores the product signature, re-reads the state folder.
    // The context type stays: it belongs to the calling process, not to the instance.
    // Call with the instance lock held exclusively.
    void reset();

  private:
    Instance();
    void load();
    void saveInstanceFile();

    ReadMostlyLock lock_;
    ContextPool contexts_;
    MemoryRegistry memory_;
    FaultTable faults_;
    Journal journal_;
    StateHome home_;
    std::string product_ = kDefaultProduct;
    std::string name_ = kDefaultName;
    std::mutex hooksLock_;  // a leaf: guards counters_ and resetHooks_ only
    std::map<std::string, std::function<long()>> counters_;
    std::vector<std::function<void()>> resetHooks_;

    template <class T>
    friend class NoDestructor;
};

}  // namespace db2sim
