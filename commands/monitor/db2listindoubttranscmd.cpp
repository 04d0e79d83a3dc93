#include "commands/monitor/db2listindoubttranscmd.h"

#include <string>

#include "commands/fixedfield.h"
#include "commands/monitor/db2clientmemory.h"
#include "commands/monitor/monitortext.h"
#include "commands/rowlisting.h"
#include "db2api/db2api.h"
#include "db2api/db2apicontext.h"
#include "db2api/db2structs.h"

namespace {

enum Column {
    kOriginator = 1,
    kApplicationId,
    kSequenceNumber,
    kStatus,
    kTimestamp,
    kAuthorizationId,
    kLogFull,
    kType,
    kXid
};

}  // namespace

CDB2ListIndoubtTransCmd::CDB2ListIndoubtTransCmd(const tarvinex::JavaObject& command,
                                                 const tarvinex::JavaObject& context,
                                                 const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2ListIndoubtTransCmd::SetupData() {
    return true;
}

bool CDB2ListIndoubtTransCmd::SetupContext() {
    return setupDatabaseContext();
}

bool CDB2ListIndoubtTransCmd::CallDB2API() {
    DB2ClientMemory<SQLXA_RECOVER> entries;
    sqlint32 count = 0;
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().ListInDoubtTransaction(
        SQLXA_EXE_THIS_NODE, reinterpret_cast<void**>(entries.slot()), &count, &ca);
    if (!checkDB2Call(rc, ca)) {
        return false;
    }
    RowListing listing(containerObj);
    if (!listing.addColumns({"Originator", "Application ID", "Sequence Number", "Status",
                             "Time Stamp", "Authorization ID", "Log Full", "Type", "XID"})) {
        return false;
    }
    const sqlint32 listed = entries.get() != nullptr ? count : 0;
    for (sqlint32 i = 0; i < listed; ++i) {
        if (!writeRow(entries.get()[i], listing)) {
            break;
        }
    }
    return listing.finish();
}

bool CDB2ListIndoubtTransCmd::writeRow(const SQLXA_RECOVER& entry, RowListing& listing) {
    if (!listing.newRow()) {
        return false;
    }
    listing.set(kOriginator, byteNumber(entry.originator));
    listing.set(kApplicationId, fixedFieldText(entry.applid));
    listing.set(kSequenceNumber, fixedFieldText(entry.sequence_no));
    listing.set(kStatus, byteNumber(entry.indoubt_status));
    listing.set(kTimestamp, std::to_string(entry.timestamp));
    listing.set(kAuthorizationId, fixedFieldText(entry.auth_id));
    listing.set(kLogFull, byteNumber(entry.log_full));
    listing.set(kType, byteNumber(entry.connected));
    listing.set(kXid, fixedFieldText(entry.xid.data));
    return true;
}

void CDB2ListIndoubtTransCmd::FreeData(bool) {
    db2::CDB2APIContext::DetachCurrentCtx();
}
