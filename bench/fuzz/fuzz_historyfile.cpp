// The stand-in's history file reader: any text is read or refused whole, never past its end;
// what it reads stays within DB2's field widths and reads back the same after it is written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "db2sim/recovery/historyfile.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool same(const db2sim::HistoryEntry& a, const db2sim::HistoryEntry& b) {
    return a.eid == b.eid && a.sequence == b.sequence && a.operation == b.operation &&
           a.object == b.object && a.optype == b.optype && a.status == b.status &&
           a.deviceType == b.deviceType && a.timestamp == b.timestamp && a.endTime == b.endTime &&
           a.firstLog == b.firstLog && a.lastLog == b.lastLog && a.backupId == b.backupId &&
           a.tableQualifier == b.tableQualifier && a.tableName == b.tableName &&
           a.location == b.location && a.comment == b.comment && a.commandText == b.commandText &&
           a.sqlcode == b.sqlcode && a.tablespaces == b.tablespaces;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace db2sim;
    std::string text(reinterpret_cast<const char*>(data), size);
    HistoryContent content;
    if (!HistoryFile::parse(text, content)) {
        check(content.entries.empty());
        return 0;
    }
    for (const HistoryEntry& entry : content.entries) {
        check(entry.eid != 0 && entry.eid < content.nextEid);
        check(entry.sequence >= 1 && entry.sequence <= 999);
        check(entry.objectPart().size() <= historywidth::kObjectPart);
        check(entry.location.size() <= historywidth::kLocation);
        check(entry.comment.size() <= historywidth::kComment);
        check(entry.tableName.size() <= historywidth::kTableName);
        check(entry.tablespaces.size() <= historywidth::kMaxTablespaces);
    }
    HistoryContent again;
    check(HistoryFile::parse(HistoryFile::format(content), again));
    check(again.nextEid == content.nextEid && again.entries.size() == content.entries.size());
    for (size_t i = 0; i < again.entries.size(); ++i) {
        check(same(again.entries[i], content.entries[i]));
    }
    return 0;
}
