#include "commands/directory/db2listdcsdirectorycmd.h"

#include <algorithm>
#include <string>
#include <vector>

#include "commands/rowlisting.h"
#include "commands/directory/directoryscan.h"
#include "commands/fixedfield.h"
#include "db2api/db2api.h"
#include "db2api/db2structs.h"

namespace {

enum Column { kLocalDb = 1, kTargetDb, kRequester, kParameters, kComment, kRelease };

constexpr long kEndOfScan = 1014;

}  // namespace

CDB2ListDCSDirectoryCmd::CDB2ListDCSDirectoryCmd(const tarvinex::JavaObject& command,
                                                 const tarvinex::JavaObject& context,
                                                 const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2ListDCSDirectoryCmd::SetupData() {
    return true;
}

bool CDB2ListDCSDirectoryCmd::SetupContext() {
    return beginPrivateContext(ctx);
}

void CDB2ListDCSDirectoryCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2ListDCSDirectoryCmd::CallDB2API() {
    const db2::DB2API& api = db2::DB2API::Instance();
    DirectoryScan scan([&api](sqlca* ca) { return api.CloseDCSDirectoryScan(ca); });
    short count = 0;
    sqlca ca = zeroedSqlca();
    const int rc = api.OpenDCSDirectoryScan(&count, &ca);
    if (!checkDB2Call(rc, ca)) {
        return false;
    }
    scan.opened();
    if (count <= 0) {
        return true;  // an empty directory: no columns either
    }
    RowListing listing(containerObj);
    if (!listing.addColumns({"Local database name", "Target database name",
                             "Application requestor name", "DCS parameters", "Comment",
                             "DCS directory release level"})) {
        return false;
    }
    return listEntries(count, listing) && listing.finish();
}

bool CDB2ListDCSDirectoryCmd::listEntries(short count, RowListing& listing) {
    // count is a positive short: at most 32767 entries of 612 bytes. Zeroed, so that entries DB2
    // leaves unwritten hold no stray bytes.
    std::vector<sql_dir_entry> entries(static_cast<std::size_t>(count), sql_dir_entry{});
    short fetched = count;
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().GetDCSDirectoryEntries(&fetched, entries.data(), &ca);
    if (rc != db2::kEntryPointMissing && ca.sqlcode == kEndOfScan) {
        return false;
    }
    if (!checkDB2Call(rc, ca)) {
        return false;
    }
    // Only the entries DB2 says it filled, never more than the buffer holds.
    const short listed = std::min(fetched, count);
    for (short i = 0; i < listed; ++i) {
        if (!writeRow(entries[static_cast<std::size_t>(i)], listing)) {
            return false;
        }
    }
    return true;
}

bool CDB2ListDCSDirectoryCmd::writeRow(const sql_dir_entry& entry, RowListing& listing) {
    if (!listing.newRow()) {
        return false;
    }
    listing.set(kLocalDb, fixedFieldText(entry.ldb, SQL_DCS_LDB_SZ));
    listing.set(kTargetDb, fixedFieldText(entry.tdb, SQL_DCS_TDB_SZ));
    listing.set(kRequester, fixedFieldText(entry.ar, SQL_AR_SZ));
    listing.set(kParameters, fixedFieldText(entry.parm, SQL_DCS_PARMS_SZ));
    listing.set(kComment, fixedFieldText(entry.comment, SQL_DCS_CMT_SZ));
    listing.set(kRelease, std::to_string(entry.release));
    return true;
}
