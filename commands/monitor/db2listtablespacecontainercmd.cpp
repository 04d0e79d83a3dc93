#include "commands/monitor/db2listtablespacecontainercmd.h"

#include <iterator>
#include <string>

#include "commands/fieldnumber.h"
#include "commands/monitor/db2clientmemory.h"
#include "commands/monitor/monitortext.h"
#include "commands/rowlisting.h"
#include "db2api/db2api.h"
#include "db2api/db2apicontext.h"
#include "db2api/db2structs.h"

namespace {

constexpr const char* kColumns[] = {"CONTAINER ID",  "Name",       "Type", "Total pages",
                                    "Useable pages", "Accessible", "NTBS"};
constexpr std::size_t kBriefColumns = 3;

enum Column { kId = 1, kName, kType, kTotalPages, kUseablePages, kAccessible, kSharing };

}  // namespace

CDB2ListTablespaceContainerCmd::CDB2ListTablespaceContainerCmd(
    const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
    const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

const char* CDB2ListTablespaceContainerCmd::typeText(sqluint32 contType) {
    switch (contType) {
        case SQLB_CONT_PATH:
            return "path";
        case SQLB_CONT_DISK:
            return "disk";
        case SQLB_CONT_FILE:
            return "file";
        default:
            return "unknown";
    }
}

bool CDB2ListTablespaceContainerCmd::SetupData() {
    const tarvinex::JavaObject command(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandListTablespaceContainer").c_str());
    isDetail = command.callboolMethod("isShowDetail") == JNI_TRUE;
    const int id = command.callintMethod("getTablespaceId");
    if (ExceptionOccurred()) {
        return false;
    }
    // A negative id would reach DB2 as another table space's.
    return FieldNumber::narrow<sqluint32>(getEnv(), "getTablespaceId", id, tablespaceId);
}

bool CDB2ListTablespaceContainerCmd::SetupContext() {
    return setupDatabaseContext();
}

bool CDB2ListTablespaceContainerCmd::CallDB2API() {
    DB2ClientMemory<SQLB_TBSCONTQRY_DATA> containers;
    sqluint32 count = 0;
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().QueryTablespaceContainer(
        &ca, tablespaceId, &count, reinterpret_cast<void**>(containers.slot()));
    if (!checkDB2Call(rc, ca)) {
        return false;
    }
    RowListing listing(containerObj);
    if (!listing.addColumns(kColumns, isDetail ? std::size(kColumns) : kBriefColumns)) {
        return false;
    }
    const sqluint32 listed = containers.get() != nullptr ? count : 0;
    for (sqluint32 i = 0; i < listed; ++i) {
        if (!writeRow(containers.get()[i], listing)) {
            break;
        }
    }
    return listing.finish();
}

bool CDB2ListTablespaceContainerCmd::writeRow(const SQLB_TBSCONTQRY_DATA& entry,
                                              RowListing& listing) const {
    if (!listing.newRow()) {
        return false;
    }
    listing.set(kId, std::to_string(entry.id));
    listing.set(kName, boundedText(entry.name, sizeof(entry.name)));
    listing.set(kType, typeText(entry.contType));
    if (isDetail) {
        listing.set(kTotalPages, std::to_string(entry.totalPages));
        listing.set(kUseablePages, std::to_string(entry.useablePages));
        listing.set(kAccessible, std::to_string(entry.ok));
        listing.set(kSharing, std::to_string(entry.nTbs));
    }
    return true;
}

void CDB2ListTablespaceContainerCmd::FreeData(bool) {
    db2::CDB2APIContext::DetachCurrentCtx();
}
