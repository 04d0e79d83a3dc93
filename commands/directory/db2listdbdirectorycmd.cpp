#include "commands/directory/db2listdbdirectorycmd.h"

#include <charconv>
#include <cstring>
#include <string>

#include "commands/rowlisting.h"
#include "commands/directory/directoryscan.h"
#include "commands/fixedfield.h"
#include "db2api/db2api.h"
#include "db2api/db2structs.h"

namespace {

enum Column { kAlias = 1, kDbName, kNodeName, kRelease, kComment, kEntryType, kCatalogNode };

constexpr long kEndOfScan = 1014;
// dbtype carries the product before the release: only what follows the ninth character is kept.
constexpr std::size_t kReleasePrefix = 9;

const char* entryTypeName(char type) {
    switch (type) {
        case SQL_INDIRECT:
            return "INDIRECT";
        case SQL_REMOTE:
            return "REMOTE";
        case SQL_HOME:
            return "HOME";
        case SQL_DCE:
            return "DCE";
        case SQL_LDAP:
            return "LDAP";
        default:
            return "unknown";
    }
}

std::string_view releaseLevel(const sqledinfo& entry) {
    const std::string_view text = fixedFieldText(entry.dbtype);
    return text.size() > kReleasePrefix ? text.substr(kReleasePrefix) : text;
}

}  // namespace

CDB2ListDBDirectoryCmd::CDB2ListDBDirectoryCmd(const tarvinex::JavaObject& command,
                                               const tarvinex::JavaObject& context,
                                               const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2ListDBDirectoryCmd::SetupData() {
    return true;
}

bool CDB2ListDBDirectoryCmd::SetupContext() {
    return beginPrivateContext(ctx);
}

void CDB2ListDBDirectoryCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2ListDBDirectoryCmd::CallDB2API() {
    const db2::DB2API& api = db2::DB2API::Instance();
    unsigned short handle = 0;
    unsigned short count = 0;
    DirectoryScan scan(
        [&api, &handle](sqlca* ca) { return api.CloseDatabaseDirectoryScan(handle, ca); });
    sqlca ca = zeroedSqlca();
    const int rc = api.OpenDatabaseDirectoryScan(nullptr, &handle, &count, &ca);
    if (!checkDB2Call(rc, ca)) {
        return false;
    }
    scan.opened();
    RowListing listing(containerObj);
    if (!listing.addColumns({"alias name", "database name", "node name", "release level", "comment",
                             "entry type", "catalog node name"})) {
        return false;
    }
    return listEntries(handle, count, listing) && listing.finish();
}

bool CDB2ListDBDirectoryCmd::listEntries(unsigned short handle, unsigned short count,
                                         RowListing& listing) {
    const db2::DB2API& api = db2::DB2API::Instance();
    for (unsigned int i = 0; i < count; ++i) {
        sqledinfo* entry = nullptr;
        sqlca ca = zeroedSqlca();
        const int rc = api.GetNextDatabaseDirectoryEntry(handle, &entry, &ca);
        if (rc != db2::kEntryPointMissing && ca.sqlcode == kEndOfScan) {
            return false;  // fewer entries than announced: no message, the rows stay
        }
        // A warning Java could not take ends the listing as any other Java failure does.
        if (!checkDB2Call(rc, ca)) {
            return false;
        }
        if (entry == nullptr) {
            return false;  // nothing to read counts as the end of the scan
        }
        if (!writeRow(*entry, listing)) {
            return false;
        }
    }
    return true;
}

bool CDB2ListDBDirectoryCmd::writeRow(const sqledinfo& entry, RowListing& listing) {
    if (!listing.newRow()) {
        return false;
    }
    listing.set(kAlias, fixedFieldText(entry.alias));
    listing.set(kDbName, fixedFieldText(entry.dbname));
    listing.set(kNodeName, nodeColumn(entry));
    listing.set(kRelease, releaseLevel(entry));
    listing.set(kComment, fixedFieldText(entry.comment));
    listing.set(kEntryType, entryTypeName(entry.type));
    char number[8];  // a short in decimal
    const char* end = std::to_chars(number, number + sizeof(number), entry.cat_nodenum).ptr;
    listing.set(kCatalogNode, std::string_view(number, static_cast<std::size_t>(end - number)));
    return true;
}

std::string_view CDB2ListDBDirectoryCmd::nodeColumn(const sqledinfo& entry) {
    switch (entry.type) {
        case SQL_INDIRECT:
            return fixedFieldText(entry.drive);
        case SQL_HOME:
            return instanceName();
        default:
            return fixedFieldText(entry.nodename);
    }
}

const std::string& CDB2ListDBDirectoryCmd::instanceName() {
    if (!instanceKnown) {
        instanceKnown = true;
        char buffer[SQL_INSTNAME_SZ + 1] = {};
        sqlca ca = zeroedSqlca();
        const int rc = db2::DB2API::Instance().GetInstanceName(buffer, &ca);
        // The outcome is not reported; a failed query lists an empty name.
        instance = rc == db2::kEntryPointMissing || ca.sqlcode < 0
                       ? std::string()
                       : readFixedField(buffer, SQL_INSTNAME_SZ);
    }
    return instance;
}
