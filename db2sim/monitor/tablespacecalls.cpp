// Table space and container queries of the database the calling context is connected to:
// sqlbmtsq (every table space), sqlbgtss (one table space's statistics) and sqlbtcq (one table
// space's containers). The lists live in memory handed out to the caller, one block per list
// (the table space list: its pointer array followed by the records), which sqlefmem_api gives
// back.
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "db2sim/connection/users.h"
#include "db2sim/core/apicall.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/database/dbopscodes.h"
#include "db2sim/monitor/tablespacecatalog.h"

DB2SIM_CHECK_TYPE(sqlbmtsq);
DB2SIM_CHECK_TYPE(sqlbgtss);
DB2SIM_CHECK_TYPE(sqlbtcq);

namespace db2sim {
namespace {

// The table spaces of the database the calling context is connected to; false when it is not.
bool connectedTablespaces(ApiCall& call, std::vector<TablespaceInfo>& all) {
    std::optional<Connection> connection =
        Manager::get().connections().connectionOf(call.instance().contexts().current());
    if (!connection) {
        return false;
    }
    all = TablespaceCatalog::read(call.instance().home(), upperCase(connection->database));
    return true;
}

template <size_t N>
void putText(char (&field)[N], const std::string& text) {
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

void fill(SQLB_TBSPQRY_DATA& record, const TablespaceInfo& ts) {
    std::memcpy(record.tbspqver, SQLB_TBSPQRY_DATA_ID, SQLB_SVERSION_SIZE);
    record.id = ts.id;
    record.nameLen = static_cast<sqluint32>(std::min(ts.name.size(), SQLB_MAX_TBS_NAME_SZ - 1));
    putText(record.name, ts.name);
    record.totalPages = ts.totalPages;
    record.useablePages = ts.useablePages;
    record.flags = ts.flags;
    record.pageSize = ts.pageSize;
    record.extSize = ts.extentSize;
    record.prefetchSize = ts.prefetchSize;
    record.nContainers = static_cast<sqluint32>(ts.containers.size());
    record.tbsState = SQLB_NORMAL;
}

void fill(SQLB_TBSCONTQRY_DATA& record, const ContainerInfo& c, const TablespaceInfo& ts) {
    record.id = c.id;
    record.nTbs = 1;
    record.tbsID = ts.id;
    record.nameLen = static_cast<sqluint32>(std::min(c.name.size(), SQLB_MAX_CONTAIN_NAME_SZ - 1));
    putText(record.name, c.name);
    record.underDBDir = 0;
    record.contType = c.type;
    record.totalPages = c.totalPages;
    record.useablePages = c.useablePages;
    record.ok = 1;
}

int queryTablespaces(sqlca* ca, sqluint32* count, void*** list, sqluint32 reserved1,
                     sqluint32 reserved2) {
    ApiCall call("sqlbmtsq", ca, CallKind::kAdmin, Access::kRead);
    call.ptr("pNumTablespaces", count).ptr("pppTablespaceData", list);
    call.num("reserved1", reserved1).num("reserved2", reserved2);
    if (!call.proceed()) {
        return call.rc();
    }
    if (count == nullptr || list == nullptr) {
        return call.fail(code::kInvalidParameter,
                         {count == nullptr ? "pNumTablespaces" : "pppTablespaceData"});
    }
    if (reserved1 != SQLB_RESERVED1 || reserved2 != SQLB_RESERVED2) {
        return call.fail(code::kInvalidParameter, {"reserved1"});
    }
    std::vector<TablespaceInfo> all;
    if (!connectedTablespaces(call, all)) {
        return call.fail(code::kNoConnection);
    }
    *count = static_cast<sqluint32>(all.size());
    *list = nullptr;
    if (all.empty()) {
        return call.succeed();
    }
    size_t pointers = all.size() * sizeof(SQLB_TBSPQRY_DATA*);
    auto* block = static_cast<unsigned char*>(
        call.instance().memory().handOut(pointers + all.size() * sizeof(SQLB_TBSPQRY_DATA)));
    auto** entries = reinterpret_cast<SQLB_TBSPQRY_DATA**>(block);
    auto* records = reinterpret_cast<SQLB_TBSPQRY_DATA*>(block + pointers);
    for (size_t i = 0; i < all.size(); ++i) {
        fill(records[i], all[i]);
        entries[i] = &records[i];
    }
    *list = reinterpret_cast<void**>(entries);
    call.pointee("pppTablespaceData", *list);
    return call.succeed();
}

int tablespaceStatistics(sqlca* ca, sqluint32 id, void* statsArg) {
    ApiCall call("sqlbgtss", ca, CallKind::kAdmin, Access::kRead);
    call.num("TablespaceId", id).ptr("pTablespaceStats", statsArg);
    if (!call.proceed()) {
        return call.rc();
    }
    if (statsArg == nullptr) {
        return call.fail(code::kInvalidParameter, {"pTablespaceStats"});
    }
    std::vector<TablespaceInfo> all;
    if (!connectedTablespaces(call, all)) {
        return call.fail(code::kNoConnection);
    }
    const TablespaceInfo* ts = TablespaceCatalog::find(all, id);
    if (ts == nullptr) {
        return call.fail(code::kUndefinedName, {std::to_string(id)});
    }
    auto* stats = static_cast<SQLB_TBS_STATS*>(statsArg);
    *stats = SQLB_TBS_STATS{ts->totalPages, ts->useablePages, ts->usedPages, ts->freePages,
                            ts->highWaterMark};
    return call.succeed();
}

int queryContainers(sqlca* ca, sqluint32 id, sqluint32* count, void** list) {
    ApiCall call("sqlbtcq", ca, CallKind::kAdmin, Access::kRead);
    call.num("TablespaceId", id).ptr("pNumContainers", count).ptr("ppContainerData", list);
    if (!call.proceed()) {
        return call.rc();
    }
    if (count == nullptr || list == nullptr) {
        return call.fail(code::kInvalidParameter,
                         {count == nullptr ? "pNumContainers" : "ppContainerData"});
    }
    std::vector<TablespaceInfo> all;
    if (!connectedTablespaces(call, all)) {
        return call.fail(code::kNoConnection);
    }
    const TablespaceInfo* ts = TablespaceCatalog::find(all, id);
    if (ts == nullptr) {
        return call.fail(code::kUndefinedName, {std::to_string(id)});
    }
    *count = static_cast<sqluint32>(ts->containers.size());
    *list = nullptr;
    if (ts->containers.empty()) {
        return call.succeed();
    }
    auto* records = static_cast<SQLB_TBSCONTQRY_DATA*>(
        call.instance().memory().handOut(ts->containers.size() * sizeof(SQLB_TBSCONTQRY_DATA)));
    for (size_t i = 0; i < ts->containers.size(); ++i) {
        fill(records[i], ts->containers[i], *ts);
    }
    *list = records;
    call.pointee("ppContainerData", *list);
    return call.succeed();
}

}  // namespace
}  // namespace db2sim

DB2SIM_EXPORT int sqlbmtsq(sqlca* pSqlca, sqluint32* pNumTablespaces, void*** pppTablespaceData,
                           sqluint32 reserved1, sqluint32 reserved2) {
    return db2sim::guarded([&] {
        return db2sim::queryTablespaces(pSqlca, pNumTablespaces, pppTablespaceData, reserved1,
                                        reserved2);
    });
}

DB2SIM_EXPORT int sqlbgtss(sqlca* pSqlca, sqluint32 TablespaceId, void* pTablespaceStats) {
    return db2sim::guarded(
        [&] { return db2sim::tablespaceStatistics(pSqlca, TablespaceId, pTablespaceStats); });
}

DB2SIM_EXPORT int sqlbtcq(sqlca* pSqlca, sqluint32 TablespaceId, sqluint32* pNumContainers,
                          void** ppContainerData) {
    return db2sim::guarded([&] {
        return db2sim::queryContainers(pSqlca, TablespaceId, pNumContainers, ppContainerData);
    });
}
