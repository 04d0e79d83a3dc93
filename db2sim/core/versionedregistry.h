// Who answers each db2* entry point. versioned.cpp exports them all and hands every call to the
// handler an area registered for that name; a name without a handler answers "not supported".
// An area registers from its own source with a namespace-scope object:
//
//     const VersionedRegistration kCfgGet("db2CfgGet", &cfgGet);
//
// The handler gets the call after faults were applied (call.proceed() was true) and ends it
// with call.fail(...) or call.succeed().
#pragma once

#include <map>
#include <string>

#include "db2api/db2types.h"

namespace db2sim {

class ApiCall;

using VersionedHandler = int (*)(ApiCall& call, db2Uint32 version, void* parms);

class VersionedRegistry {
  public:
    static VersionedRegistry& get();

    void add(const std::string& entry, VersionedHandler handler) { handlers_[entry] = handler; }
    VersionedHandler find(const std::string& entry) const;

  private:
    std::map<std::string, VersionedHandler> handlers_;
};

struct VersionedRegistration {
    VersionedRegistration(const char* entry, VersionedHandler handler) {
        VersionedRegistry::get().add(entry, handler);
    }
};

}  // namespace db2sim
