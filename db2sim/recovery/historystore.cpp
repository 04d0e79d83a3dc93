#include "db2sim/recovery/historystore.h"

#include <algorithm>

#include "db2sim/recovery/recoverytime.h"

namespace db2sim {

bool HistoryStore::read(StateHome& home, const std::string& database, HistoryContent& content) {
    std::string text;
    if (!home.readFile(fileName(database), text)) {
        content = HistoryContent();
        return true;
    }
    return HistoryFile::parse(text, content);
}

bool HistoryStore::write(StateHome& home, const std::string& database,
                         const HistoryContent& content) {
    return home.writeFile(fileName(database), HistoryFile::format(content));
}

std::uint32_t HistoryStore::add(StateHome& home, const std::string& database, HistoryEntry entry) {
    HistoryContent content;
    if (!read(home, database, content) || content.nextEid == 0xFFFFFFFFU) {
        return 0;
    }
    if (!RecoveryTime::valid(entry.timestamp)) {
        entry.timestamp = RecoveryTime::now();
    }
    if (!RecoveryTime::valid(entry.endTime)) {
        entry.endTime = entry.timestamp;
    }
    unsigned sequence = 0;
    for (const HistoryEntry& other : content.entries) {
        if (other.timestamp == entry.timestamp) {
            sequence = std::max(sequence, other.sequence);
        }
    }
    entry.sequence = std::min(sequence + 1, 999U);
    entry.eid = content.nextEid++;
    content.entries.push_back(std::move(entry));
    return write(home, database, content) ? content.entries.back().eid : 0;
}

}  // namespace db2sim
