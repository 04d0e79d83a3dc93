// The text of a history file: a first line naming the format and the next entry id, then one
// line per entry of tab-separated fields (escaped as in the directories' files). Reading trusts
// nothing: a field out of its range or longer than DB2's buffer for it makes the whole file
// damaged, so a scan never hands out what the writer could not have written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db2sim/recovery/history.h"

namespace db2sim {

// Widths of the texts of an entry: DB2's buffer sizes for them, less the terminator.
namespace historywidth {
constexpr size_t kObjectPart = 17;
constexpr size_t kTime = 14;
constexpr size_t kLog = 12;
constexpr size_t kId = 24;
constexpr size_t kQualifier = 30;
constexpr size_t kTableName = 128;
constexpr size_t kLocation = 255;
constexpr size_t kComment = 30;
constexpr size_t kCommandText = 2097152;
constexpr size_t kTablespaceName = 128;
constexpr size_t kMaxTablespaces = 4096;
}  // namespace historywidth

struct HistoryContent {
    std::uint32_t nextEid = 1;
    std::vector<HistoryEntry> entries;
};

class HistoryFile {
  public:
    static constexpr const char* kFormat = "db2sim-history 1";

    static std::string format(const HistoryContent& content);
    // False when `text` is not a history file of this format or any entry is damaged;
    // `content` is then left empty. An empty text is an empty history.
    static bool parse(const std::string& text, HistoryContent& content);
};

}  // namespace db2sim
