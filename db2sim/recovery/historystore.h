// A database's recovery history in the state folder ("history/<NAME>"), read and written whole.
#pragma once

#include <cstdint>
#include <string>

#include "db2sim/core/statehome.h"
#include "db2sim/recovery/historyfile.h"

namespace db2sim {

class HistoryStore {
  public:
    static std::string fileName(const std::string& database) { return "history/" + database; }

    // False when the file is damaged; a missing file is an empty history.
    static bool read(StateHome& home, const std::string& database, HistoryContent& content);
    static bool write(StateHome& home, const std::string& database, const HistoryContent& content);
    // Adds `entry` with the next id and the next sequence of its time stamp (now when empty);
    // the id, or 0 when the file is damaged or cannot be written.
    static std::uint32_t add(StateHome& home, const std::string& database, HistoryEntry entry);
};

}  // namespace db2sim
