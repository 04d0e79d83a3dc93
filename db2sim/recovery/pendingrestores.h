// Restores waiting for the caller: a redirected restore (between its start and the continue,
// table space containers may be set) and a restore into an existing database (DB2 warns and
// waits for continue or terminate). One per application context; a context that ends, or a
// reset, drops its restore. Only kChange calls use it; the lock guards the table for the
// counters and the end of a context, which run outside the instance lock.
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "db2sim/recovery/backupimage.h"

namespace db2sim {

struct PendingRestore {
    BackupImage image;
    std::string imagePath;
    std::string alias;  // the target alias
    std::string name;   // the target database's name
    std::string path;   // a new database's path
    bool exists = false;
    bool redirect = false;
    unsigned options = 0;  // db2Restore's iOptions
};

class PendingRestores {
  public:
    static PendingRestores& get();

    void put(void* ctx, PendingRestore restore);
    std::optional<PendingRestore> take(void* ctx);
    // The redirected restore of `ctx`, to change its containers; null when there is none. Valid
    // until the next call on this table.
    PendingRestore* redirected(void* ctx);
    long count();

  private:
    PendingRestores();

    std::mutex lock_;
    std::map<void*, PendingRestore> restores_;

    template <class T>
    friend class NoDestructor;
};

}  // namespace db2sim
