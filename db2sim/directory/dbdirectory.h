// The system database directory: entries catalogued by sqlecadb (indirect '0', remote '1'), plus
// a home entry ('2') for each database of the instance, which cannot be uncatalogued. Entries are
// kept small (a fill of a million entries must fit) and persist in the state folder's file
// "dbdirectory", one record per entry. A scan sees the directory as it was when it was opened.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "db2sim/database/databases.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/directory/directoriesscans.h"
#include "db2sim/core/statehome.h"

namespace db2sim {

struct DbEntryText {
    std::string path;
    std::string comment;
    std::string principal;
};

struct DbEntry {
    ShortName alias{};
    ShortName dbname{};
    ShortName node{};
    char type = SQL_INDIRECT;
    unsigned short authentication = SQL_AUTHENTICATION_NOT_SPEC;
    std::shared_ptr<const DbEntryText> text;  // null when path, comment and principal are empty
};

// The arguments of sqlecadb_api, read from the caller.
struct DbCatalogRequest {
    std::string dbname;
    std::string alias;
    std::string node;
    std::string path;
    std::string comment;
    std::string principal;
    unsigned char type = 0;
    unsigned short authentication = 0;
};

// What a listing writes besides the entries: the path of home and default indirect entries, and
// the client's release ("vvrr"), the level of catalogued entries and of databases that recorded
// none of their own.
struct DbListing {
    std::string homePath;
    std::string release;
};

class DbDirectory {
  public:
    static constexpr const char* kFileName = "dbdirectory";

    DbDirectory();

    void load(StateHome& home);

    // Each returns the sqlcode (0 on success) and saves the directory when it changed.
    int catalog(const DbCatalogRequest& request, const Databases& homes, StateHome& home);
    int uncatalog(const std::string& alias, const Databases& homes, StateHome& home);
    // Whether a catalogued entry (not a home entry) has that alias.
    bool isCatalogued(const std::string& alias) const;
    // Changes the comment of a catalogued entry (cut to 30); false when the alias is not there.
    bool setComment(const std::string& alias, const std::string& comment, StateHome& home);
    // Appends indirect entries D0000001.. up to n (those already there are skipped).
    bool fill(long n, StateHome& home);

    int open(const Databases& homes, const DbListing& listing, unsigned short& handle,
             unsigned short& count);
    // `entry` points into the scan's own buffer, valid until its next call or close.
    int next(unsigned short handle, sqledinfo*& entry);
    int close(unsigned short handle);

    size_t openScans() const { return scans_.size(); }
    void closeAll() { scans_.clear(); }
    size_t size() const { return entries_->size(); }

  private:
    // How many bytes of text each wide blank-padded field of a scan's buffer holds; the rest of
    // the field is blank. The buffer belongs to the scan (callers only read it), so the next entry
    // overwrites the text and blanks only what the previous one held beyond it.
    struct ShownText {
        size_t drive = 0;
        size_t intname = 0;
        size_t dbtype = 0;
        size_t comment = 0;
        size_t dceprincipal = 0;
    };

    struct Scan {
        std::vector<DbEntry> homes;
        std::vector<std::string> homeTypes;  // dbtype of each home entry: its database's release
        std::string catalogType;             // dbtype of catalogued entries
        std::shared_ptr<const std::vector<DbEntry>> entries;
        DbListing listing;
        size_t next = 0;
        std::unique_ptr<sqledinfo> buffer;  // zero, text fields blank until the first entry
        ShownText shown;
    };

    // Writes `entry` into the scan's buffer.
    static void describe(const DbEntry& entry, std::string_view dbtype, Scan& scan);

    bool aliasTaken(const ShortName& alias, const Databases& homes) const;
    // The entries for a change: copied first when an open scan shares them.
    std::vector<DbEntry>& writable();
    bool save(StateHome& home) const;

    std::shared_ptr<std::vector<DbEntry>> entries_;
    DirectoriesScans<Scan> scans_;
};

}  // namespace db2sim
