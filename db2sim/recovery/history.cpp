#include "db2sim/recovery/history.h"

#include <cstdio>

#include "db2sim/connection/users.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"
#include "db2sim/recovery/historystore.h"

namespace db2sim {

std::string HistoryEntry::objectPart() const {
    char sequenceText[8];
    std::snprintf(sequenceText, sizeof(sequenceText), "%03u", sequence % 1000);
    return timestamp + sequenceText;
}

std::uint32_t recordHistory(const std::string& database, HistoryEntry entry) {
    const Database* found = nullptr;
    std::string wanted = upperCase(database);
    for (const Database& candidate : Manager::get().databases().all()) {
        if (upperCase(candidate.name) == wanted) {
            found = &candidate;
        }
    }
    if (found == nullptr) {
        found = Manager::get().databases().findByAlias(database);
    }
    if (found == nullptr) {
        return 0;
    }
    return HistoryStore::add(Instance::get().home(), found->name, std::move(entry));
}

}  // namespace db2sim
