#include "db2sim/monitor/tablespacecatalog.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "db2api/db2structs.h"
#include "db2sim/core/statehome.h"
#include "db2sim/directory/directoriesfields.h"

namespace db2sim {
namespace {

// Fields of a line of "tablespaces/<NAME>".
enum Field { kName, kType, kContainerType, kPages, kContainer, kFieldCount };

constexpr uint32_t kFirstOtherId = 3;
constexpr uint32_t kSmsUsedPages = 96;
constexpr uint32_t kCatalogUsedPages = 3200;
constexpr uint32_t kAutoPages = 8192;
constexpr uint32_t kDmsUsedExtents = 3;

struct Definition {
    std::string name;
    char type = SQL_TBS_TYP_SMS;
    std::vector<std::pair<char, uint32_t>> containers;  // type, pages
    std::vector<std::string> containerNames;
};

uint32_t wellKnownId(const std::string& name) {
    static const std::map<std::string, uint32_t> kIds = {
        {"SYSCATSPACE", 0}, {"TEMPSPACE1", 1}, {"USERSPACE1", 2}};
    auto found = kIds.find(name);
    return found == kIds.end() ? UINT32_MAX : found->second;
}

uint32_t containerType(char type) {
    switch (type) {
        case SQL_TBSC_TYP_DEV:
            return SQLB_CONT_DISK;
        case SQL_TBSC_TYP_FILE:
            return SQLB_CONT_FILE;
        default:
            return SQLB_CONT_PATH;
    }
}

uint32_t pagesOf(const std::string& text) {
    try {
        long value = text.empty() ? 0 : std::stol(text);
        return value < 0 ? 0 : static_cast<uint32_t>(std::min<long>(value, UINT32_MAX));
    } catch (...) {
        return 0;
    }
}

std::vector<Definition> parse(const std::string& text) {
    std::vector<Definition> definitions;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields = splitRecord(line);
        if (fields.size() < kFieldCount || fields[kName].empty()) {
            continue;
        }
        auto same = [&](const Definition& d) { return d.name == fields[kName]; };
        auto it = std::find_if(definitions.begin(), definitions.end(), same);
        if (it == definitions.end()) {
            char type = fields[kType].empty() ? SQL_TBS_TYP_SMS : fields[kType][0];
            definitions.push_back(Definition{fields[kName], type, {}, {}});
            it = definitions.end() - 1;
        }
        if (!fields[kContainerType].empty()) {
            it->containers.emplace_back(fields[kContainerType][0], pagesOf(fields[kPages]));
            it->containerNames.push_back(fields[kContainer]);
        }
    }
    return definitions;
}

std::vector<Definition> defaults() {
    return {{"SYSCATSPACE", SQL_TBS_TYP_SMS, {}, {}},
            {"TEMPSPACE1", SQL_TBS_TYP_SMS, {}, {}},
            {"USERSPACE1", SQL_TBS_TYP_SMS, {}, {}}};
}

// The folder DB2 would make for a table space without containers of its own.
std::string defaultPath(const StateHome& home, const std::string& database, uint32_t id) {
    std::string number = std::to_string(id);
    return home.path() + "/NODE0000/" + database + "/T" +
           std::string(number.size() < 7 ? 7 - number.size() : 0, '0') + number;
}

void fillSms(TablespaceInfo& ts, const Definition& d, const StateHome& home,
             const std::string& database) {
    ts.flags |= SQLB_TBS_SMS;
    ts.usedPages = ts.name == "SYSCATSPACE"     ? kCatalogUsedPages
                   : ts.flags & SQLB_TBS_SYSTMP ? 1
                                                : kSmsUsedPages;
    ts.totalPages = ts.useablePages = ts.highWaterMark = ts.usedPages;
    if (d.containers.empty()) {
        ts.containers.push_back(ContainerInfo{0, SQLB_CONT_PATH, ts.totalPages, ts.totalPages,
                                              defaultPath(home, database, ts.id)});
        return;
    }
    for (size_t i = 0; i < d.containers.size(); ++i) {
        ts.containers.push_back(ContainerInfo{static_cast<uint32_t>(i), SQLB_CONT_PATH,
                                              ts.totalPages, ts.totalPages, d.containerNames[i]});
    }
}

void fillDms(TablespaceInfo& ts, const Definition& d, const StateHome& home,
             const std::string& database) {
    ts.flags |= SQLB_TBS_DMS;
    std::vector<std::pair<char, uint32_t>> containers = d.containers;
    std::vector<std::string> names = d.containerNames;
    if (containers.empty()) {  // automatic storage: one file the database manages
        containers.emplace_back(SQL_TBSC_TYP_FILE, kAutoPages);
        names.push_back(defaultPath(home, database, ts.id) + "/C0000000.LRG");
    }
    for (size_t i = 0; i < containers.size(); ++i) {
        uint32_t pages = containers[i].second;
        uint32_t useable =
            pages < ts.extentSize ? 0 : pages - pages % ts.extentSize - ts.extentSize;
        ts.containers.push_back(ContainerInfo{static_cast<uint32_t>(i),
                                              containerType(containers[i].first), pages, useable,
                                              names[i]});
        ts.totalPages += pages;
        ts.useablePages += useable;
    }
    ts.usedPages = std::min(ts.useablePages, kDmsUsedExtents * ts.extentSize);
    ts.freePages = ts.useablePages - ts.usedPages;
    ts.highWaterMark = ts.usedPages;
}

}  // namespace

bool TablespaceInfo::sms() const {
    return (flags & SQLB_TBS_TYPE_MASK) == SQLB_TBS_SMS;
}

std::vector<TablespaceInfo> TablespaceCatalog::read(const StateHome& home,
                                                    const std::string& database) {
    std::string text;
    std::vector<Definition> definitions =
        home.readFile("tablespaces/" + database, text) ? parse(text) : defaults();
    std::vector<TablespaceInfo> all;
    uint32_t next = kFirstOtherId;
    for (const Definition& d : definitions) {
        TablespaceInfo ts;
        ts.name = d.name;
        uint32_t known = wellKnownId(d.name);
        ts.id = known != UINT32_MAX ? known : next++;
        ts.flags = d.name == "TEMPSPACE1" ? SQLB_TBS_SYSTMP : SQLB_TBS_ANY;
        if (d.type == SQL_TBS_TYP_SMS) {
            fillSms(ts, d, home, database);
        } else {
            fillDms(ts, d, home, database);
        }
        all.push_back(std::move(ts));
    }
    std::sort(all.begin(), all.end(),
              [](const TablespaceInfo& a, const TablespaceInfo& b) { return a.id < b.id; });
    return all;
}

const TablespaceInfo* TablespaceCatalog::find(const std::vector<TablespaceInfo>& all, uint32_t id) {
    for (const TablespaceInfo& ts : all) {
        if (ts.id == id) {
            return &ts;
        }
    }
    return nullptr;
}

}  // namespace db2sim
