#include "commands/monitor/db2listdrdaindoubttranscmd.h"

#include <algorithm>
#include <string>
#include <vector>

#include "commands/fixedfield.h"
#include "commands/monitor/monitortext.h"
#include "commands/rowlisting.h"
#include "db2api/db2api.h"
#include "db2api/db2apicontext.h"
#include "db2api/db2structs.h"

namespace {

enum Column {
    kDbName = 1,
    kDbAlias,
    kLuwId,
    kPartner,
    kUowStatus,
    kPartnerStatus,
    kRole,
    kCorrtok,
    kXid
};

bool addColumns(RowListing& listing) {
    return listing.addColumns({"DB Name", "DB Alias", "LUW ID", "Partner LU", "UOW Status",
                               "Partner Status", "Role", "Corrtok", "XID"});
}

// Both entry layouts have the same fields; the text fields end with a terminator byte.
template <typename Entry>
bool writeRow(const Entry& entry, RowListing& listing) {
    if (!listing.newRow()) {
        return false;
    }
    listing.set(kDbName, fixedFieldText(entry.dbname, sizeof(entry.dbname) - 1));
    listing.set(kDbAlias, fixedFieldText(entry.dbalias, sizeof(entry.dbalias) - 1));
    listing.set(kLuwId, fixedFieldText(entry.luwid, sizeof(entry.luwid) - 1));
    listing.set(kPartner, fixedFieldText(entry.partner, sizeof(entry.partner) - 1));
    listing.set(kUowStatus, byteNumber(entry.uow_status));
    listing.set(kPartnerStatus, byteNumber(entry.partner_status));
    listing.set(kRole, byteNumber(entry.role));
    listing.set(kCorrtok, fixedFieldText(entry.corrtok, sizeof(entry.corrtok) - 1));
    listing.set(kXid, fixedFieldText(entry.xid.data));
    return true;
}

template <typename Entry>
bool writeRows(const Entry* entries, std::size_t count, RowListing& listing) {
    for (std::size_t i = 0; i < count; ++i) {
        if (!writeRow(entries[i], listing)) {
            break;
        }
    }
    return listing.finish();
}

}  // namespace

CDB2ListDRDAIndoubtTransCmd::CDB2ListDRDAIndoubtTransCmd(const tarvinex::JavaObject& command,
                                                         const tarvinex::JavaObject& context,
                                                         const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2ListDRDAIndoubtTransCmd::SetupData() {
    version9 = contextObj.getClientVersion() >= 9.0;
    return true;
}

bool CDB2ListDRDAIndoubtTransCmd::SetupContext() {
    return setupDatabaseContext();
}

bool CDB2ListDRDAIndoubtTransCmd::CallDB2API() {
    return version9 ? listFrom9() : listBefore9();
}

bool CDB2ListDRDAIndoubtTransCmd::listBefore9() {
    // The list stays DB2's: nothing documents that the caller may free it.
    void* data = nullptr;
    sqlint32 count = 0;
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().ListDRDAInDoubtTransaction(&data, &count, &ca);
    if (!checkDB2Call(rc, ca)) {
        return false;
    }
    if (count <= 0) {
        return true;
    }
    RowListing listing(containerObj);
    if (!addColumns(listing)) {
        return false;
    }
    const std::size_t listed = data != nullptr ? static_cast<std::size_t>(count) : 0;
    return writeRows(static_cast<const SQLCSPQY_INDOUBT*>(data), listed, listing);
}

std::size_t CDB2ListDRDAIndoubtTransCmd::entriesToAskFor(db2Uint32 total, db2Uint32 requiredBytes) {
    const std::size_t byBytes = requiredBytes / sizeof(db2SpmRecoverStruct);
    return std::min<std::size_t>(std::max<std::size_t>(total, byBytes), kMaxEntries);
}

bool CDB2ListDRDAIndoubtTransCmd::listFrom9() {
    const db2::DB2API& api = db2::DB2API::Instance();
    // First without a buffer, for the size DB2 needs.
    db2SpmListIndTransStruct request{};
    sqlca ca = zeroedSqlca();
    int rc = api.ListDRDAInDoubtTransactionV9(9000000, &request, &ca);
    if (rc == db2::kEntryPointMissing || ca.sqlcode < 0) {
        return checkDB2Call(rc, ca);
    }
    std::vector<db2SpmRecoverStruct> entries(
        entriesToAskFor(request.oNumIndoubtsTotal, request.oReqBufferLen));
    std::size_t listed = 0;
    if (!entries.empty()) {
        request = db2SpmListIndTransStruct{};
        request.piIndoubtData = entries.data();
        request.iIndoubtDataLen =
            static_cast<db2Uint32>(entries.size() * sizeof(db2SpmRecoverStruct));
        ca = zeroedSqlca();
        rc = api.ListDRDAInDoubtTransactionV9(9000000, &request, &ca);
        listed = std::min<std::size_t>(request.oNumIndoubtsReturned, entries.size());
    }
    if (!checkDB2Call(rc, ca)) {
        return false;
    }
    RowListing listing(containerObj);
    if (!addColumns(listing)) {
        return false;
    }
    return writeRows(entries.data(), listed, listing);
}

void CDB2ListDRDAIndoubtTransCmd::FreeData(bool) {
    db2::CDB2APIContext::DetachCurrentCtx();
}
