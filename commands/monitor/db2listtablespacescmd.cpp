#include "commands/monitor/db2listtablespacescmd.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "commands/monitor/db2clientmemory.h"
#include "commands/monitor/monitortext.h"
#include "commands/rowlisting.h"
#include "db2api/db2api.h"
#include "db2api/db2apicontext.h"
#include "db2api/db2structs.h"

namespace {

constexpr const char* kColumns[] = {"Tablespace ID",
                                    "Name",
                                    "Type",
                                    "Contents",
                                    "State",
                                    "Total pages",
                                    "Useable pages",
                                    "Used pages",
                                    "Free pages",
                                    "High water mark (pages)",
                                    "Page size (bytes)",
                                    "Extent size (pages)",
                                    "Prefetch size (pages)",
                                    "Number of containers",
                                    "Minimum recovery time",
                                    "State change table space ID",
                                    "State change object ID",
                                    "Number of quiescers"};
constexpr std::size_t kBriefColumns = 5;

enum Column {
    kId = 1,
    kName,
    kType,
    kContents,
    kState,
    kTotalPages,
    kUseablePages,
    kUsedPages,
    kFreePages,
    kHighWaterMark,
    kPageSize,
    kExtentSize,
    kPrefetchSize,
    kContainers,
    kMinimumRecoveryTime,
    kStateChangeTablespace,
    kStateChangeObject,
    kQuiescers
};

}  // namespace

CDB2ListTablespacesCmd::CDB2ListTablespacesCmd(const tarvinex::JavaObject& command,
                                               const tarvinex::JavaObject& context,
                                               const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

const char* CDB2ListTablespacesCmd::typeText(sqluint32 flags) {
    return (flags & SQLB_TBS_TYPE_MASK) == SQLB_TBS_SMS ? "SMS" : "DMS";
}

const char* CDB2ListTablespacesCmd::contentsText(sqluint32 flags) {
    switch (flags & SQLB_TBS_CONTENT_MASK) {
        case SQLB_TBS_ANY:
            return "regular contents";
        case SQLB_TBS_SYSTMP:
            return "system temp data";
        case SQLB_TBS_LONG:
            return "long field data";
        case SQLB_TBS_USRTMP:
            return "user temp data";
        default:
            return "temp table space is reserved for completion of reorg recovery";
    }
}

bool CDB2ListTablespacesCmd::SetupData() {
    const tarvinex::JavaObject command(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandListTablespaces").c_str());
    isDetail = command.callboolMethod("isShowDetail") == JNI_TRUE;
    return true;
}

bool CDB2ListTablespacesCmd::SetupContext() {
    return setupDatabaseContext();
}

bool CDB2ListTablespacesCmd::CallDB2API() {
    DB2ClientMemory<SQLB_TBSPQRY_DATA*> list;
    sqluint32 count = 0;
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().QueryAllTablespace(
        &ca, &count, reinterpret_cast<void***>(list.slot()), SQLB_RESERVED1, SQLB_RESERVED2);
    if (!checkDB2Call(rc, ca)) {
        return false;
    }
    RowListing listing(containerObj);
    if (!listing.addColumns(kColumns, isDetail ? std::size(kColumns) : kBriefColumns)) {
        return false;
    }
    // No list is no table space; entries DB2 left null are not listed.
    const sqluint32 listed = list.get() != nullptr ? count : 0;
    for (sqluint32 i = 0; i < listed; ++i) {
        const SQLB_TBSPQRY_DATA* entry = list.get()[i];
        if (entry == nullptr ||
            std::memcmp(entry->tbspqver, SQLB_TBSPQRY_DATA_ID, SQLB_SVERSION_SIZE) != 0) {
            continue;
        }
        if (!writeRow(*entry, listing)) {
            break;
        }
    }
    return listing.finish();
}

bool CDB2ListTablespacesCmd::writeRow(const SQLB_TBSPQRY_DATA& entry, RowListing& listing) {
    if (!listing.newRow()) {
        return false;
    }
    const std::size_t nameLength = std::min<std::size_t>(entry.nameLen, sizeof(entry.name));
    listing.set(kId, std::to_string(entry.id));
    listing.set(kName, boundedText(entry.name, nameLength));
    listing.set(kType, typeText(entry.flags));
    listing.set(kContents, contentsText(entry.flags));
    listing.set(kState, std::to_string(entry.tbsState));
    if (!isDetail) {
        return true;
    }
    listing.set(kTotalPages, std::to_string(entry.totalPages));
    listing.set(kUseablePages, std::to_string(entry.useablePages));
    // Usage comes from a call of its own; when DB2 gives none, the three columns stay empty.
    SQLB_TBS_STATS stats{};
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().GetSingleTablespaceStatistics(&ca, entry.id, &stats);
    if (rc == 0 && ca.sqlcode >= 0) {
        listing.set(kUsedPages, std::to_string(stats.usedPages));
        listing.set(kFreePages, std::to_string(stats.freePages));
        listing.set(kHighWaterMark, std::to_string(stats.highWaterMark));
    }
    listing.set(kPageSize, std::to_string(entry.pageSize));
    listing.set(kExtentSize, std::to_string(entry.extSize));
    listing.set(kPrefetchSize, std::to_string(entry.prefetchSize));
    listing.set(kContainers, std::to_string(entry.nContainers));
    listing.set(kMinimumRecoveryTime,
                boundedText(entry.minimumRecTime, sizeof(entry.minimumRecTime)));
    listing.set(kStateChangeTablespace, std::to_string(entry.StateChngID));
    listing.set(kStateChangeObject, std::to_string(entry.StateChngObj));
    listing.set(kQuiescers, std::to_string(entry.nQuiescers));
    return true;
}

void CDB2ListTablespacesCmd::FreeData(bool) {
    db2::CDB2APIContext::DetachCurrentCtx();
}
