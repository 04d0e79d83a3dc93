#include "db2sim/core/versionedregistry.h"

#include "db2sim/core/nodestructor.h"

namespace db2sim {

VersionedRegistry& VersionedRegistry::get() {
    static NoDestructor<VersionedRegistry> registry;
    return registry.get();
}

VersionedEntry VersionedRegistry::find(const std::string& entry) const {
    auto it = handlers_.find(entry);
    return it == handlers_.end() ? VersionedEntry{} : it->second;
}

}  // namespace db2sim
