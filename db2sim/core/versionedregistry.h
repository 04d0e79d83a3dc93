// Who answers each db2* entry point. versioned.cpp exports them all and hands every call to the
// handler an area registered for that name; a name without a handler answers "not supported".
// An area registers from its own source with a namespace-scope object:
//
//     const VersionedRegistration kCfgGet("db2CfgGet", &cfgGet);
//
// The handler gets the call after faults were applied (call.proceed() was true) and ends it
// with call.fail(...) or call.succeed(). A handler that only reads the instance's state
// registers with Access::kRead and then runs at once with other readers (see ApiCall).
#pragma once

#include <map>
#include <string>

#include "db2api/db2types.h"
#include "db2sim/core/apicall.h"

namespace db2sim {

using VersionedHandler = int (*)(ApiCall& call, db2Uint32 version, void* parms);

struct VersionedEntry {
    VersionedHandler handler = nullptr;
    Access access = Access::kChange;
};

class VersionedRegistry {
  public:
    static VersionedRegistry& get();

    void add(const std::string& entry, VersionedEntry handler) { handlers_[entry] = handler; }
    // The handler of `entry`; a null handler when none registered.
    VersionedEntry find(const std::string& entry) const;

  private:
    std::map<std::string, VersionedEntry> handlers_;
};

struct VersionedRegistration {
    VersionedRegistration(const char* entry, VersionedHandler handler,
                          Access access = Access::kChange) {
        VersionedRegistry::get().add(entry, VersionedEntry{handler, access});
    }
};

}  // namespace db2sim
