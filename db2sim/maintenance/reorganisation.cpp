// Reorganisation (db2Reorg) of a table or its indexes on the database the calling context is
// connected to. An offline table reorganisation with an index puts the rows in that index's
// order; an in-place one runs as a utility of the instance from its start until it is stopped
// (pause and resume keep it); index reorganisations check what they name. Each completed
// reorganisation is noted in the table's properties and the recovery history.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "db2api/db2structs.h"
#include "db2sim/core/apicall.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/core/versionedregistry.h"
#include "db2sim/database/tablestore.h"
#include "db2sim/maintenance/maintenancecall.h"
#include "db2sim/maintenance/maintenancecodes.h"
#include "db2sim/maintenance/runningutilities.h"
#include "db2sim/recovery/history.h"

namespace db2sim {
namespace {

constexpr db2Uint32 kMaxNodes = 1000;
constexpr std::uint32_t kDefaultPriority = 50;

bool isTableReorg(db2Uint32 type) {
    return type == DB2REORG_OBJ_TABLE_OFFLINE || type == DB2REORG_OBJ_TABLE_INPLACE;
}

void journalRequest(ApiCall& call, const db2ReorgStruct& in, db2Uint32 version) {
    call.num("reorgType", in.reorgType).num("reorgFlags", in.reorgFlags);
    call.num("nodeListFlag", in.nodeListFlag).num("numNodes", in.numNodes);
    std::string nodes;
    for (db2Uint32 i = 0; in.pNodeList != nullptr && i < std::min(in.numNodes, kMaxNodes); ++i) {
        nodes += (i == 0 ? "" : ",") + std::to_string(in.pNodeList[i]);
    }
    call.text("pNodeList", in.pNodeList == nullptr ? nullptr : nodes.c_str());
    const bool v9 = version >= db2Version900;
    if (isTableReorg(in.reorgType)) {
        const db2ReorgTable& table = in.reorgObject.tableStruct;
        call.text("pTableName", table.pTableName);
        call.text("pOrderByIndex", table.pOrderByIndex);
        call.text("pSysTempSpace", table.pSysTempSpace);
        if (v9) {
            call.text("pLongTempSpace", table.pLongTempSpace);
        }
    } else {
        const db2ReorgIndexesAll& indexes = in.reorgObject.indexesAllStruct;
        call.text("pTableName", indexes.pTableName);
        if (v9) {
            call.text("pIndexName", indexes.pIndexName);
        }
    }
}

// A refusal of the request itself, before the table is looked at; 0 when it is well formed.
const char* malformed(const db2ReorgStruct& in, db2Uint32 version) {
    const db2Uint32 type = in.reorgType;
    if (type != DB2REORG_OBJ_TABLE_OFFLINE && type != DB2REORG_OBJ_TABLE_INPLACE &&
        type != DB2REORG_OBJ_INDEXESALL &&
        !(type == DB2REORG_OBJ_INDEX && version >= db2Version900)) {
        return "reorgType";
    }
    if (in.nodeListFlag < DB2REORG_NODE_LIST || in.nodeListFlag > DB2REORG_ALL_EXCEPT) {
        return "nodeListFlag";
    }
    if (in.numNodes > kMaxNodes || (in.numNodes > 0 && in.pNodeList == nullptr)) {
        return "pNodeList";
    }
    // One partition, 0: a list may name only it.
    for (db2Uint32 i = 0; i < in.numNodes; ++i) {
        if (in.pNodeList[i] != 0) {
            return "pNodeList";
        }
    }
    const db2Uint32 actions = in.reorgFlags & (DB2REORG_START_ONLINE | DB2REORG_PAUSE_ONLINE |
                                               DB2REORG_STOP_ONLINE | DB2REORG_RESUME_ONLINE);
    if ((actions & (actions - 1)) != 0) {
        return "reorgFlags";
    }
    return nullptr;
}

// Orders numbers as numbers and everything else as text; nulls last.
bool cellBefore(const Cell& a, const Cell& b, bool numeric) {
    if (!a || !b) {
        return a.has_value() && !b.has_value();
    }
    if (numeric) {
        return std::strtod(a->c_str(), nullptr) < std::strtod(b->c_str(), nullptr);
    }
    return *a < *b;
}

// Puts the rows in the order of `index`'s key.
void clusterBy(Table& table, const Index& index) {
    std::vector<std::pair<int, bool>> keys;
    for (const std::string& column : index.columns) {
        const int at = table.columnIndex(column);
        if (at >= 0) {
            keys.emplace_back(at, table.columns()[static_cast<std::size_t>(at)].isNumeric());
        }
    }
    std::vector<Row> rows = table.rows();
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        for (const auto& key : keys) {
            const Cell& x = a[static_cast<std::size_t>(key.first)];
            const Cell& y = b[static_cast<std::size_t>(key.first)];
            if (cellBefore(x, y, key.second)) {
                return true;
            }
            if (cellBefore(y, x, key.second)) {
                return false;
            }
        }
        return false;
    });
    const TableCounters counters = table.counters;
    table.clearRows();
    for (Row& row : rows) {
        table.insert(std::move(row));
    }
    table.counters = counters;  // moving rows is neither a delete nor an insert
}

const Index* findIndex(const Table& table, const char* name) {
    if (name == nullptr || *name == '\0') {
        return nullptr;
    }
    std::string schema;
    std::string plain;
    splitQualified(name, "", schema, plain);
    for (const Index& index : table.indexes()) {
        if (index.name == plain && (schema.empty() || index.schema == schema)) {
            return &index;
        }
    }
    return nullptr;
}

// An in-place reorganisation's action on its running utility; 0 or the sqlcode of a refusal.
int inplaceAction(const std::string& database, const Table& table, db2Uint32 flags) {
    RunningUtilities& utilities = RunningUtilities::get();
    const std::optional<RunningUtility> running =
        utilities.findByObject(database, table.qualifiedName());
    if ((flags & (DB2REORG_PAUSE_ONLINE | DB2REORG_STOP_ONLINE | DB2REORG_RESUME_ONLINE)) != 0) {
        if (!running) {
            return code::kInplaceReorgRefused;
        }
        if ((flags & DB2REORG_STOP_ONLINE) != 0) {
            utilities.stop(running->id);
        } else {
            utilities.setPaused(running->id, (flags & DB2REORG_PAUSE_ONLINE) != 0);
        }
        return 0;
    }
    if (running) {
        return code::kInplaceReorgRefused;
    }
    utilities.start(database, "REORG TABLE " + table.qualifiedName() + " INPLACE",
                    table.qualifiedName(), kDefaultPriority);
    return 0;
}

int reorg(ApiCall& call, db2Uint32 version, void* parms) {
    if (version < db2Version810 || parms == nullptr) {
        return call.fail(code::kInvalidParameter, {parms ? "versionNumber" : "pParmStruct"});
    }
    const db2ReorgStruct& in = *static_cast<const db2ReorgStruct*>(parms);
    journalRequest(call, in, version);
    if (const char* field = malformed(in, version)) {
        return call.fail(code::kInvalidParameter, {field});
    }
    const std::optional<Connection> connection = callerConnection(call);
    if (!connection) {
        return call.fail(code::kNoConnection);
    }
    const bool table = isTableReorg(in.reorgType);
    const char* tableName =
        table ? in.reorgObject.tableStruct.pTableName : in.reorgObject.indexesAllStruct.pTableName;
    const char* indexName =
        table ? in.reorgObject.tableStruct.pOrderByIndex
              : (version >= db2Version900 ? in.reorgObject.indexesAllStruct.pIndexName : nullptr);
    Table done;
    std::string refusedName;
    const int rc = TableStore::get().with(connection->database, [&](DatabaseTables& tables) {
        std::string qualified;
        Table* found = namedTable(tables, tableName, connection->authid, qualified);
        if (found == nullptr) {
            refusedName = qualified;
            return code::kTableNotFound;
        }
        const Index* index = findIndex(*found, indexName);
        const bool needsIndex =
            in.reorgType == DB2REORG_OBJ_INDEX || (indexName != nullptr && *indexName != '\0');
        if (needsIndex && index == nullptr) {
            refusedName = indexName == nullptr ? "" : indexName;
            return code::kTableNotFound;
        }
        if (in.reorgType == DB2REORG_OBJ_TABLE_INPLACE) {
            refusedName = qualified;
            return inplaceAction(connection->database, *found, in.reorgFlags);
        }
        if (in.reorgType == DB2REORG_OBJ_TABLE_OFFLINE && index != nullptr) {
            clusterBy(*found, *index);
        }
        const std::string count = found->more["reorg_count"];
        found->more["reorg_count"] = std::to_string(std::atol(count.c_str()) + 1);
        found->more["reorg_time"] = timestampNow();
        tables.save(call.instance().home(), *found);
        done = *found;
        return 0;
    });
    if (rc != 0) {
        return call.fail(rc, {refusedName});
    }
    if (in.reorgType != DB2REORG_OBJ_TABLE_INPLACE) {
        recordTableHistory(connection->database, history::kReorg, done,
                           "REORG TABLE " + done.qualifiedName());
    }
    return call.succeed();
}

const VersionedRegistration kReorg("db2Reorg", &reorg);

}  // namespace
}  // namespace db2sim
