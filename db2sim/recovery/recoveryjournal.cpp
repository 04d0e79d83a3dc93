#include "db2sim/recovery/recoveryjournal.h"

#include <cstdio>
#include <cstring>

#include "db2sim/directory/directoriesfields.h"

namespace db2sim {
namespace {

constexpr size_t kShownText = 255;

std::string more(db2Uint32 count) {
    return count > RecoveryJournal::kShown ? ",+" + std::to_string(count - RecoveryJournal::kShown)
                                           : std::string();
}

}  // namespace

std::string RecoveryJournal::strings(char* const* items, db2Uint32 count) {
    if (items == nullptr) {
        return count == 0 ? "[]" : "null+" + std::to_string(count);
    }
    std::string text = "[";
    for (db2Uint32 i = 0; i < count && i < kShown; ++i) {
        text += (i > 0 ? "," : "") +
                (items[i] == nullptr ? std::string("null") : readParameter(items[i], kShownText));
    }
    return text + more(count) + "]";
}

std::string RecoveryJournal::tablespaces(const db2TablespaceStruct* list) {
    return list == nullptr ? "null" : strings(list->tablespaces, list->numTablespaces);
}

std::string RecoveryJournal::tablespaces(const sqlu_tablespace_bkrst_list* list) {
    if (list == nullptr) {
        return "null";
    }
    if (list->tablespace == nullptr || list->num_entry <= 0) {
        return list->num_entry == 0 ? "[]" : "null+" + std::to_string(list->num_entry);
    }
    db2Uint32 count = static_cast<db2Uint32>(list->num_entry);
    std::string text = "[";
    for (db2Uint32 i = 0; i < count && i < kShown; ++i) {
        const sqlu_tablespace_entry& entry = list->tablespace[i];
        text += (i > 0 ? "," : "") +
                std::string(entry.tablespace_entry,
                            strnlen(entry.tablespace_entry, sizeof(entry.tablespace_entry)));
    }
    return text + more(count) + "]";
}

std::string RecoveryJournal::media(const db2MediaListStruct* media) {
    if (media == nullptr) {
        return "null";
    }
    return std::string(1, media->locationType == '\0' ? '0' : media->locationType) +
           strings(media->locations, media->numLocations);
}

std::string RecoveryJournal::nodes(const SQL_PDB_NODE_TYPE* nodes, db2Uint32 count) {
    if (nodes == nullptr) {
        return count == 0 ? "[]" : "null+" + std::to_string(count);
    }
    std::string text = "[";
    for (db2Uint32 i = 0; i < count && i < kShown; ++i) {
        text += (i > 0 ? "," : "") + std::to_string(nodes[i]);
    }
    return text + more(count) + "]";
}

std::string RecoveryJournal::hex(db2Uint32 value) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%X", value);
    return text;
}

}  // namespace db2sim
