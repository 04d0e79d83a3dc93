// Statistics (db2Runstats) on a table of the database the calling context is connected to. The
// request is decoded into the journal whole; every column and index it names must exist. The
// statistics land in the table's properties (cardinality, columns and indexes covered, when),
// and the run is added to the recovery history.
#include <algorithm>
#include <set>
#include <string>

#include "db2api/db2structs.h"
#include "db2sim/core/apicall.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/core/versionedregistry.h"
#include "db2sim/database/tablestore.h"
#include "db2sim/maintenance/maintenancecall.h"
#include "db2sim/maintenance/maintenancecodes.h"
#include "db2sim/recovery/history.h"

namespace db2sim {
namespace {

constexpr db2int16 kMaxListed = 1000;  // entries shown per list in the journal

std::string name(const unsigned char* text) {
    return text == nullptr ? "null" : reinterpret_cast<const char*>(text);
}

// The lists of the request, read within their counts; false when a count is negative or a
// list with entries is null.
struct Lists {
    std::vector<std::string> columns;
    std::vector<std::string> distributions;
    std::vector<std::vector<std::string>> groups;
    std::vector<std::string> indexes;
    std::string journal;

    bool read(const db2RunstatsData& in) {
        if (in.iNumColumns < 0 || in.iNumColdist < 0 || in.iNumColGroups < 0 ||
            in.iNumIndexes < 0 || (in.iNumColumns > 0 && in.piColumnList == nullptr) ||
            (in.iNumColdist > 0 && in.piColumnDistributionList == nullptr) ||
            (in.iNumColGroups > 0 && in.piColumnGroupList == nullptr) ||
            (in.iNumIndexes > 0 && in.piIndexList == nullptr)) {
            return false;
        }
        for (db2int16 i = 0; i < in.iNumColumns; ++i) {
            const db2ColumnData* entry = in.piColumnList[i];
            columns.push_back(entry == nullptr ? "" : name(entry->piColumnName));
            note(i, "columns", columns.back() + "/" + flag(entry));
        }
        for (db2int16 i = 0; i < in.iNumColdist; ++i) {
            const db2ColumnDistData* entry = in.piColumnDistributionList[i];
            distributions.push_back(entry == nullptr ? "" : name(entry->piColumnName));
            note(i, "coldist", distributions.back() + counts(entry));
        }
        for (db2int16 i = 0; i < in.iNumColGroups; ++i) {
            if (!readGroup(in.piColumnGroupList[i], i)) {
                return false;
            }
        }
        for (db2int16 i = 0; i < in.iNumIndexes; ++i) {
            indexes.push_back(name(in.piIndexList[i]));
            note(i, "indexes", indexes.back());
        }
        journal += journal.empty() ? "" : "]";
        return true;
    }

  private:
    bool readGroup(const db2ColumnGrpData* group, db2int16 i) {
        if (group == nullptr || group->iGroupSize < 1 || group->piGroupColumnNames == nullptr) {
            return false;
        }
        std::vector<std::string> names;
        std::string shown = "(";
        for (db2int16 j = 0; j < group->iGroupSize; ++j) {
            names.push_back(name(group->piGroupColumnNames[j]));
            shown += (j == 0 ? "" : ",") + names.back();
        }
        groups.push_back(names);
        note(i, "groups",
             shown + ")/" + std::to_string(group->iNumFreqValues) + "/" +
                 std::to_string(group->iNumQuantiles));
        return true;
    }

    static std::string flag(const db2ColumnData* entry) {
        return entry == nullptr ? "null" : std::to_string(entry->iColumnFlags);
    }
    static std::string counts(const db2ColumnDistData* entry) {
        return entry == nullptr ? "/null"
                                : "/" + std::to_string(entry->iNumFreqValues) + "/" +
                                      std::to_string(entry->iNumQuantiles);
    }
    void note(db2int16 i, const char* list, const std::string& shown) {
        if (i >= kMaxListed) {
            return;
        }
        if (i == 0) {
            journal += journal.empty() ? "" : "] ";
            journal += std::string(list) + "=[";
        } else {
            journal += " ";
        }
        journal += shown;
    }
};

void journalRequest(ApiCall& call, const db2RunstatsData& in, const Lists& lists) {
    call.num("iSamplingOption", static_cast<long long>(in.iSamplingOption));
    call.text("piTablename", reinterpret_cast<const char*>(in.piTablename));
    call.num("iRunstatsFlags", in.iRunstatsFlags);
    call.num("iNumColumns", in.iNumColumns).num("iNumColdist", in.iNumColdist);
    call.num("iNumColGroups", in.iNumColGroups).num("iNumIndexes", in.iNumIndexes);
    call.text("lists", lists.journal.c_str());
    call.num("iParallelismOption", in.iParallelismOption);
    call.num("iTableDefaultFreqValues", in.iTableDefaultFreqValues);
    call.num("iTableDefaultQuantiles", in.iTableDefaultQuantiles);
    call.num("iSamplingRepeatable", in.iSamplingRepeatable);
    call.num("iUtilImpactPriority", in.iUtilImpactPriority);
}

// The first of `names` the table does not have, or "".
std::string missingColumn(const Table& table, const Lists& lists) {
    std::vector<std::string> names = lists.columns;
    names.insert(names.end(), lists.distributions.begin(), lists.distributions.end());
    for (const auto& group : lists.groups) {
        names.insert(names.end(), group.begin(), group.end());
    }
    for (const std::string& column : names) {
        if (table.columnIndex(column) < 0) {
            return column.empty() ? "null" : column;
        }
    }
    return "";
}

// Whether `names` ("SCHEMA.NAME" or "NAME") holds `index`.
bool listed(const std::vector<std::string>& names, const Index& index) {
    for (const std::string& name : names) {
        std::string schema;
        std::string plain;
        splitQualified(name, "", schema, plain);
        if (plain == index.name && (schema.empty() || schema == index.schema)) {
            return true;
        }
    }
    return false;
}

// The columns statistics were collected on, as a comma list.
std::string coveredColumns(const Table& table, const db2RunstatsData& in, const Lists& lists) {
    std::set<std::string> covered;
    const bool all = (in.iRunstatsFlags & DB2RUNSTATS_ALL_COLUMNS) != 0;
    const bool keys = (in.iRunstatsFlags & DB2RUNSTATS_KEY_COLUMNS) != 0;
    for (const Column& column : table.columns()) {
        if (all) {
            covered.insert(column.name);
        }
    }
    for (const Index& index : table.indexes()) {
        if (keys) {
            covered.insert(index.columns.begin(), index.columns.end());
        }
    }
    covered.insert(lists.columns.begin(), lists.columns.end());
    covered.insert(lists.distributions.begin(), lists.distributions.end());
    for (const auto& group : lists.groups) {
        covered.insert(group.begin(), group.end());
    }
    std::string out;
    for (const std::string& column : covered) {
        out += (out.empty() ? "" : ",") + column;
    }
    return out;
}

int runstats(ApiCall& call, db2Uint32 version, void* parms) {
    if (version < db2Version810 || parms == nullptr) {
        return call.fail(code::kInvalidParameter, {parms ? "versionNumber" : "pParmStruct"});
    }
    const db2RunstatsData& in = *static_cast<const db2RunstatsData*>(parms);
    Lists lists;
    const bool listsRead = lists.read(in);
    journalRequest(call, in, lists);
    if (!listsRead) {
        return call.fail(code::kInvalidParameter, {"pParmStruct"});
    }
    if (!(in.iSamplingOption >= 0.0 && in.iSamplingOption <= 100.0)) {
        return call.fail(code::kInvalidParameter, {"iSamplingOption"});
    }
    if (in.iUtilImpactPriority > DB2RUNSTATS_MAX_PRIORITY) {
        return call.fail(code::kInvalidParameter, {"iUtilImpactPriority"});
    }
    const std::optional<Connection> connection = callerConnection(call);
    if (!connection) {
        return call.fail(code::kNoConnection);
    }
    Table done;
    const int rc = TableStore::get().with(connection->database, [&](DatabaseTables& tables) {
        std::string qualified;
        Table* table = namedTable(tables, reinterpret_cast<const char*>(in.piTablename),
                                  connection->authid, qualified);
        if (table == nullptr) {
            return call.fail(code::kTableNotFound, {qualified});
        }
        const std::string column = missingColumn(*table, lists);
        if (!column.empty()) {
            return call.fail(code::kColumnNotFound, {column, qualified});
        }
        for (const std::string& index : lists.indexes) {
            if (!hasIndex(*table, index)) {
                return call.fail(code::kTableNotFound, {index});
            }
        }
        std::string indexes;
        for (const Index& index : table->indexes()) {
            if ((in.iRunstatsFlags & DB2RUNSTATS_ALL_INDEXES) != 0 ||
                listed(lists.indexes, index)) {
                indexes += (indexes.empty() ? "" : ",") + index.schema + "." + index.name;
            }
        }
        table->more["stats_time"] = timestampNow();
        table->more["stats_card"] = std::to_string(table->rows().size());
        table->more["stats_columns"] = coveredColumns(*table, in, lists);
        table->more["stats_indexes"] = indexes;
        table->more["stats_flags"] = std::to_string(in.iRunstatsFlags);
        tables.save(call.instance().home(), *table);
        done = *table;
        return 0;
    });
    if (rc != 0) {
        return rc;
    }
    recordTableHistory(connection->database, history::kRunstats, done,
                       "RUNSTATS ON TABLE " + done.qualifiedName());
    return call.succeed();
}

const VersionedRegistration kRunstats("db2Runstats", &runstats);

}  // namespace
}  // namespace db2sim
