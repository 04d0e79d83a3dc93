#include "db2sim/directory/dbdirectory.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <sstream>
#include <string_view>
#include <unordered_set>

#include "db2sim/directory/directoriescodes.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/connection/users.h"

namespace db2sim {
namespace {

constexpr std::string_view kInternalName = "SQL00001";
constexpr long kMaxFill = 9999999;  // D0000001 .. D9999999
constexpr size_t kRecordFields = 8;

std::string_view pathOf(const DbEntry& entry) {
    return entry.text ? std::string_view(entry.text->path) : std::string_view();
}

std::string_view commentOf(const DbEntry& entry) {
    return entry.text ? std::string_view(entry.text->comment) : std::string_view();
}

std::string_view principalOf(const DbEntry& entry) {
    return entry.text ? std::string_view(entry.text->principal) : std::string_view();
}

std::shared_ptr<const DbEntryText> makeText(std::string path, std::string comment,
                                            std::string principal) {
    if (path.empty() && comment.empty() && principal.empty()) {
        return nullptr;
    }
    return std::make_shared<const DbEntryText>(
        DbEntryText{std::move(path), std::move(comment), std::move(principal)});
}

// The release level DB2 shows for a release "vvrr": a letter per release up to 10.1, then the
// version number.
std::string_view releaseLevel(const std::string& release) {
    struct Row {
        const char* prefix;
        const char* level;
    };
    static const Row kLevels[] = {{"08", "a.00"},   {"0901", "b.00"}, {"0905", "c.00"},
                                  {"0907", "d.00"}, {"0908", "e.00"}, {"1001", "f.00"},
                                  {"1005", "10.00"}};
    for (const Row& row : kLevels) {
        if (release.compare(0, std::strlen(row.prefix), row.prefix) == 0) {
            return row.level;
        }
    }
    return "d.00";
}

// The dbtype DB2 writes for an entry of release "vvrr": a 9-character product field, then the
// release level ("DB2      d.00" for 9.7).
std::string dbtypeOf(const std::string& release) {
    constexpr std::string_view kProduct = "DB2      ";
    return std::string(kProduct).append(releaseLevel(release));
}

// The release a database was made at, or `fallback` when it recorded none.
std::string releaseOf(const Database& database, const std::string& fallback) {
    auto found = database.more.find("release");
    return found == database.more.end() || found->second.empty() ? fallback : found->second;
}

DbEntry homeEntry(const Database& database) {
    DbEntry entry;
    entry.alias = toShortName(database.alias);
    entry.dbname = toShortName(database.name);
    entry.type = SQL_HOME;
    auto field = [&](const char* key) {
        auto found = database.more.find(key);
        return found == database.more.end() ? std::string() : found->second;
    };
    entry.text = makeText(field("path"), field("comment"), "");
    return entry;
}

template <size_t N>
void blank(char (&field)[N]) {
    std::memset(field, ' ', N);
}

// A scan's buffer before its first entry: zero, with the fields written through rewrite() blank
// (nothing shown).
std::unique_ptr<sqledinfo> blankEntry() {
    auto entry = std::make_unique<sqledinfo>();
    blank(entry->drive);
    blank(entry->intname);
    blank(entry->dbtype);
    blank(entry->comment);
    blank(entry->glbdbname);
    blank(entry->dceprincipal);
    return entry;
}

template <size_t N>
void rewrite(char (&field)[N], std::string_view text, size_t& shown) {
    rewriteBlankPadded(field, N, text, shown);
}

std::string formatRecord(const DbEntry& entry) {
    return joinRecord({fromShortName(entry.alias), fromShortName(entry.dbname),
                       std::string(1, entry.type), fromShortName(entry.node),
                       std::to_string(entry.authentication), std::string(pathOf(entry)),
                       std::string(commentOf(entry)), std::string(principalOf(entry))}) +
           "\n";
}

bool parseRecord(const std::string& line, DbEntry& entry) {
    std::vector<std::string> fields = splitRecord(line);
    if (fields.size() != kRecordFields || !validDirectoryName(fields[0]) ||
        !validDirectoryName(fields[1]) || fields[2].size() != 1) {
        return false;
    }
    entry.alias = toShortName(fields[0]);
    entry.dbname = toShortName(fields[1]);
    entry.type = fields[2][0];
    entry.node = toShortName(fields[3]);
    entry.authentication =
        static_cast<unsigned short>(std::strtoul(fields[4].c_str(), nullptr, 10));
    entry.text = makeText(fields[5], fields[6], fields[7]);
    return true;
}

// The refusal of a catalog request, or 0.
int catalogRefusal(const DbCatalogRequest& request) {
    if (!validDirectoryName(request.dbname)) {
        return code::kInvalidDatabaseName;
    }
    if (!request.alias.empty() && !validDirectoryName(request.alias)) {
        return code::kInvalidAlias;
    }
    if (request.type != SQL_INDIRECT && request.type != SQL_REMOTE && request.type != SQL_DCE) {
        return code::kInvalidEntryType;
    }
    if (request.type == SQL_REMOTE && request.node.empty()) {
        return code::kNoNodeForRemote;
    }
    if (!request.node.empty() && !validDirectoryName(request.node)) {
        return code::kInvalidNodeName;
    }
    return request.path.size() > SQL_DRIVE_SZ ? code::kInvalidPath : 0;
}

}  // namespace

DbDirectory::DbDirectory() : entries_(std::make_shared<std::vector<DbEntry>>()) {}

void DbDirectory::load(StateHome& home) {
    scans_.clear();
    entries_ = std::make_shared<std::vector<DbEntry>>();
    std::string text;
    if (!home.readFile(kFileName, text)) {
        return;
    }
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        DbEntry entry;
        if (parseRecord(line, entry)) {
            entries_->push_back(std::move(entry));
        }
    }
}

bool DbDirectory::save(StateHome& home) const {
    std::string text;
    for (const DbEntry& entry : *entries_) {
        text += formatRecord(entry);
    }
    return home.writeFile(kFileName, text);
}

std::vector<DbEntry>& DbDirectory::writable() {
    if (entries_.use_count() > 1) {
        entries_ = std::make_shared<std::vector<DbEntry>>(*entries_);
    }
    return *entries_;
}

bool DbDirectory::aliasTaken(const ShortName& alias, const Databases& homes) const {
    for (const Database& database : homes.all()) {
        if (toShortName(database.alias) == alias) {
            return true;
        }
    }
    return std::any_of(entries_->begin(), entries_->end(),
                       [&](const DbEntry& entry) { return entry.alias == alias; });
}

int DbDirectory::catalog(const DbCatalogRequest& request, const Databases& homes, StateHome& home) {
    if (int refusal = catalogRefusal(request)) {
        return refusal;
    }
    DbEntry entry;
    entry.dbname = toShortName(request.dbname);
    entry.alias = request.alias.empty() ? entry.dbname : toShortName(request.alias);
    if (aliasTaken(entry.alias, homes)) {
        return code::kDuplicateAlias;
    }
    entry.type = static_cast<char>(request.type);
    if (entry.type == SQL_REMOTE) {
        entry.node = toShortName(request.node);
    }
    entry.authentication = request.authentication;
    entry.text = makeText(request.path, request.comment.substr(0, SQL_CMT_SZ),
                          request.principal.substr(0, SQL_DCEPRIN_SZ));
    writable().push_back(std::move(entry));
    save(home);
    return code::kSuccess;
}

int DbDirectory::uncatalog(const std::string& alias, const Databases& homes, StateHome& home) {
    ShortName wanted = toShortName(alias);
    if (alias.empty() || alias.size() > wanted.size()) {
        return code::kDatabaseNotFound;
    }
    for (const Database& database : homes.all()) {
        if (toShortName(database.alias) == wanted) {
            return code::kCannotUncatalogHome;
        }
    }
    auto found = std::find_if(entries_->begin(), entries_->end(),
                              [&](const DbEntry& entry) { return entry.alias == wanted; });
    if (found == entries_->end()) {
        return code::kDatabaseNotFound;
    }
    size_t index = static_cast<size_t>(found - entries_->begin());
    std::vector<DbEntry>& entries = writable();
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
    save(home);
    return code::kSuccess;
}

bool DbDirectory::isCatalogued(const std::string& alias) const {
    ShortName wanted = toShortName(alias);
    return std::any_of(entries_->begin(), entries_->end(),
                       [&](const DbEntry& entry) { return entry.alias == wanted; });
}

bool DbDirectory::setComment(const std::string& alias, const std::string& comment,
                             StateHome& home) {
    ShortName wanted = toShortName(alias);
    for (DbEntry& entry : writable()) {
        if (entry.alias == wanted) {
            entry.text = makeText(std::string(pathOf(entry)), comment.substr(0, SQL_CMT_SZ),
                                  std::string(principalOf(entry)));
            save(home);
            return true;
        }
    }
    return false;
}

bool DbDirectory::fill(long n, StateHome& home) {
    if (n < 0 || n > kMaxFill) {
        return false;
    }
    std::vector<DbEntry>& entries = writable();
    std::unordered_set<std::string> taken;
    for (const DbEntry& entry : entries) {
        taken.insert(fromShortName(entry.alias));
    }
    entries.reserve(entries.size() + static_cast<size_t>(n));
    char name[16];
    for (long i = 1; i <= n; ++i) {
        std::snprintf(name, sizeof(name), "D%07ld", i);
        if (taken.count(name) == 0) {
            DbEntry entry;
            entry.alias = toShortName(name);
            entry.dbname = entry.alias;
            entries.push_back(std::move(entry));
        }
    }
    return save(home);
}

int DbDirectory::open(const Databases& homes, const DbListing& listing, unsigned short& handle,
                      unsigned short& count) {
    Scan scan;
    for (const Database& database : homes.all()) {
        scan.homes.push_back(homeEntry(database));
        scan.homeTypes.push_back(dbtypeOf(releaseOf(database, listing.release)));
    }
    scan.catalogType = dbtypeOf(listing.release);
    scan.entries = entries_;
    scan.listing = listing;
    scan.buffer = blankEntry();
    size_t total = scan.homes.size() + entries_->size();
    handle = scans_.open(std::move(scan));
    if (handle == 0) {
        return code::kTooManyScans;
    }
    count = static_cast<unsigned short>(
        std::min<size_t>(total, std::numeric_limits<unsigned short>::max()));
    return total == 0 ? code::kDatabaseDirectoryEmpty : code::kSuccess;
}

int DbDirectory::next(unsigned short handle, sqledinfo*& entry) {
    auto scan = scans_.find(handle);
    if (!scan) {
        return code::kInvalidScanHandle;
    }
    size_t homes = scan->homes.size();
    if (scan->next >= homes + scan->entries->size()) {
        return code::kNoMoreEntries;
    }
    const bool home = scan->next < homes;
    const DbEntry& current = home ? scan->homes[scan->next] : (*scan->entries)[scan->next - homes];
    describe(current, home ? scan->homeTypes[scan->next] : scan->catalogType, *scan);
    ++scan->next;
    entry = scan->buffer.get();
    return code::kSuccess;
}

// Runs once per sqledgne_api call, so it copies straight from the entry (no temporaries) and
// pads only what the previous entry left (see ShownText). The padding between fields was zeroed
// when the scan opened and is never written.
void DbDirectory::describe(const DbEntry& entry, std::string_view dbtype, Scan& scan) {
    sqledinfo& out = *scan.buffer;
    ShownText& shown = scan.shown;
    bool remote = entry.type == SQL_REMOTE;
    std::string_view path = pathOf(entry);
    std::string_view drive = path.empty() ? std::string_view(scan.listing.homePath) : path;
    putShortName(out.alias, entry.alias);
    putShortName(out.dbname, entry.dbname);
    rewrite(out.drive, remote ? std::string_view() : drive, shown.drive);
    rewrite(out.intname, remote ? std::string_view() : kInternalName, shown.intname);
    putShortName(out.nodename, entry.node);
    rewrite(out.dbtype, dbtype, shown.dbtype);
    rewrite(out.comment, commentOf(entry), shown.comment);
    // glbdbname stays as blankEntry() left it: no entry has a global name.
    rewrite(out.dceprincipal, principalOf(entry), shown.dceprincipal);
    out.com_codepage = 0;
    out.type = entry.type;
    out.authentication = entry.authentication;
    out.cat_nodenum = remote ? -1 : 0;
    out.nodenum = remote ? -1 : 0;
}

int DbDirectory::close(unsigned short handle) {
    return scans_.close(handle) ? code::kSuccess : code::kInvalidScanHandle;
}

}  // namespace db2sim
