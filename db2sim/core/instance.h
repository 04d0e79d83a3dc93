// The simulated instance: all shared state of the stand-in, behind one lock. Entry points hold
// the lock for the whole call (ApiCall takes it), so areas work on their state without locking.
// Later areas hang their state here through resetHook/counter instead of globals of their own.
#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "db2sim/core/contextpool.h"
#include "db2sim/core/faulttable.h"
#include "db2sim/core/journal.h"
#include "db2sim/core/memoryregistry.h"
#include "db2sim/core/statehome.h"

namespace db2sim {

class Instance {
  public:
    static constexpr const char* kDefaultProduct = "SQL09074";
    static constexpr const char* kDefaultName = "db2inst1";

    static Instance& get();

    std::recursive_mutex& lock() { return lock_; }

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
    int contextType() const { return contextType_; }
    void setContextType(int type) { contextType_ = type; }

    // Live objects by counter name ("contexts", "cli_handles", "scans", "memory"); -1 if unknown.
    long counter(const std::string& name);
    // An area reports the live count of its objects under `name`.
    void addCounter(const std::string& name, std::function<long()> count);
    // An area drops its state on reset().
    void addResetHook(std::function<void()> hook);

    // Back to a fresh instance: ends every context of every thread, frees handed-out memory,
    // clears faults and journal, restores the product signature, re-reads the state folder.
    // The context type stays: it belongs to the calling process, not to the instance.
    void reset();

  private:
    Instance();
    void load();
    void saveInstanceFile();

    std::recursive_mutex lock_;
    ContextPool contexts_;
    MemoryRegistry memory_;
    FaultTable faults_;
    Journal journal_;
    StateHome home_;
    std::string product_ = kDefaultProduct;
    std::string name_ = kDefaultName;
    int contextType_ = 0;
    std::map<std::string, std::function<long()>> counters_;
    std::vector<std::function<void()>> resetHooks_;

    template <class T>
    friend class NoDestructor;
};

}  // namespace db2sim
