// The log and table utilities: db2ArchiveLog closes the active log of a recoverable database
// and records it in the history; sqluvqdp quiesces (or resets) the table spaces of a table of
// the connected database; sqlurcon reconciles a table's DATALINK values, writing its report.
#include <algorithm>
#include <fstream>
#include <optional>
#include <string>

#include "db2api/db2structs.h"
#include "db2sim/connection/users.h"
#include "db2sim/core/apicall.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/core/versionedregistry.h"
#include "db2sim/database/dbopscodes.h"
#include "db2sim/database/tablestore.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/recovery/historystore.h"
#include "db2sim/recovery/recoverycodes.h"
#include "db2sim/recovery/recoverydatabase.h"
#include "db2sim/recovery/recoveryjournal.h"
#include "db2sim/recovery/recoverystate.h"

DB2SIM_CHECK_TYPE(sqluvqdp);
DB2SIM_CHECK_TYPE(sqlurcon);

namespace db2sim {
namespace {

constexpr size_t kMaxTableName = 257;  // schema, ".", name
constexpr size_t kMaxPath = 1023;

// Whether partition 0, the instance's only one, is among those the request names.
bool archivesPartitionZero(const db2ArchiveLogStruct& a, bool& valid) {
    valid = a.iNumNodes == 0 || a.piNodeList != nullptr;
    bool listed = false;
    for (db2Uint16 i = 0; valid && i < a.iNumNodes; ++i) {
        listed = listed || a.piNodeList[i] == 0;
    }
    switch (a.iAllNodeFlag) {
        case SQLURF_NODE_LIST:
            return listed;
        case SQLURF_ALL_NODES:
            return true;
        case SQLURF_ALL_EXCEPT:
            return !listed;
        default:
            valid = false;
            return false;
    }
}

int archiveLog(ApiCall& call, db2Uint32 version, void* parms) {
    if (version < db2Version710 || parms == nullptr) {
        return call.fail(code::kInvalidParameter, {parms ? "versionNumber" : "pParmStruct"});
    }
    auto& a = *static_cast<db2ArchiveLogStruct*>(parms);
    call.text("piDatabaseAlias", a.piDatabaseAlias).text("piUserName", a.piUserName);
    call.secret("piPassword", a.piPassword).num("iAllNodeFlag", a.iAllNodeFlag);
    call.num("iNumNodes", a.iNumNodes);
    call.text("piNodeList", RecoveryJournal::nodes(a.piNodeList, a.iNumNodes).c_str());
    call.num("iOptions", a.iOptions);
    bool valid = true;
    bool archives = archivesPartitionZero(a, valid);
    if (!valid) {
        return call.fail(code::kInvalidParameter, {"iAllNodeFlag"});
    }
    RecoveryRefusal refusal;
    Database* database =
        RecoveryDatabase::find(a.piDatabaseAlias, a.piUserName, a.piPassword, refusal);
    if (database == nullptr) {
        return call.fail(refusal.sqlcode, refusal.tokens);
    }
    if (!RecoveryDatabase::recoverable(database->name)) {
        return call.fail(code::kNotRecoverable, {database->alias});
    }
    if (!archives) {
        return call.succeed();
    }
    StateHome& home = call.instance().home();
    RecoveryState state = RecoveryState::load(home, database->name);
    HistoryEntry entry;
    entry.operation = history::kArchiveLog;
    entry.optype = 'N';  // closed by the archive log command
    entry.deviceType = history::kDisk;
    entry.firstLog = RecoveryState::logName(state.currentLog);
    entry.lastLog = entry.firstLog;
    entry.commandText = "ARCHIVE LOG FOR DATABASE " + database->alias;
    ++state.currentLog;
    state.save(home, database->name);
    HistoryStore::add(home, database->name, std::move(entry));
    return call.succeed();
}

const VersionedRegistration kArchiveLog("db2ArchiveLog", &archiveLog);

struct Connected {
    std::string database;  // name
    std::string authid;
};

std::optional<Connected> connection(ApiCall& call) {
    void* ctx = call.instance().contexts().current();
    std::optional<Connection> found =
        ctx == nullptr ? std::nullopt : Manager::get().connections().connectionOf(ctx);
    if (!found) {
        return std::nullopt;
    }
    return Connected{upperCase(found->database), upperCase(found->authid)};
}

// "SCHEMA.NAME" or "NAME" (in the connection's schema), quotes dropped, upper case.
std::pair<std::string, std::string> tableName(const std::string& text, const std::string& schema) {
    std::string plain;
    std::remove_copy(text.begin(), text.end(), std::back_inserter(plain), '"');
    plain = upperCase(plain);
    size_t dot = plain.find('.');
    return dot == std::string::npos ? std::make_pair(schema, plain)
                                    : std::make_pair(plain.substr(0, dot), plain.substr(dot + 1));
}

bool tableExists(const std::string& database, const std::pair<std::string, std::string>& table) {
    return TableStore::get().with(database, [&](DatabaseTables& tables) {
        return tables.find(table.first, table.second) != nullptr;
    });
}

char quiesceOptype(sqlint32 mode) {
    switch (mode) {
        case SQLU_QUIESCEMODE_SHARE:
            return 'S';
        case SQLU_QUIESCEMODE_INTENT_UPDATE:
            return 'U';
        case SQLU_QUIESCEMODE_EXCLUSIVE:
            return 'X';
        case SQLU_QUIESCEMODE_RESET:
        case SQLU_QUIESCEMODE_RESET_OWNED:
            return 'Z';
        default:
            return '\0';
    }
}

int quiesce(char* tableArg, sqlint32 mode, void* reserved, sqlca* ca) {
    ApiCall call("sqluvqdp", ca);
    call.text("pTableName", tableArg).num("QuiesceMode", mode).ptr("pReserved", reserved);
    if (!call.proceed()) {
        return call.rc();
    }
    std::optional<Connected> connected = connection(call);
    if (!connected) {
        return call.fail(code::kNoConnection);
    }
    char optype = quiesceOptype(mode);
    if (optype == '\0') {
        return call.fail(code::kInvalidParameter, {"QuiesceMode"});
    }
    std::string text = readParameter(tableArg, kMaxTableName);
    auto table = tableName(text, connected->authid);
    if (table.second.empty() || text.size() > kMaxTableName ||
        !tableExists(connected->database, table)) {
        return call.fail(code::kUndefinedName, {table.first + "." + table.second});
    }
    StateHome& home = call.instance().home();
    RecoveryState state = RecoveryState::load(home, connected->database);
    std::string key = table.first + "." + table.second;
    if (optype == 'Z') {
        state.quiesces.erase(key);
    } else {
        state.quiesces[key] = std::string(1, optype) + ":" + connected->authid;
    }
    state.save(home, connected->database);
    HistoryEntry entry;
    entry.operation = history::kQuiesce;
    entry.object = history::kTablespace;
    entry.optype = optype;
    entry.tableQualifier = table.first;
    entry.tableName = table.second;
    entry.tablespaces = {"USERSPACE1"};
    entry.commandText = "QUIESCE TABLESPACES FOR TABLE " + key;
    HistoryStore::add(home, connected->database, std::move(entry));
    return call.succeed();
}

int reconcile(char* tableArg, char* exceptionArg, char* reportArg, void* reserved, sqlca* ca) {
    ApiCall call("sqlurcon", ca);
    call.text("pTableName", tableArg).text("pExTableName", exceptionArg);
    call.text("pReportFileName", reportArg).ptr("pReserved", reserved);
    if (!call.proceed()) {
        return call.rc();
    }
    std::optional<Connected> connected = connection(call);
    if (!connected) {
        return call.fail(code::kNoConnection);
    }
    if (tableArg == nullptr) {
        return call.fail(code::kInvalidParameter, {"pTableName"});
    }
    auto table = tableName(readParameter(tableArg, kMaxTableName), connected->authid);
    if (table.second.empty() || !tableExists(connected->database, table)) {
        return call.fail(code::kUndefinedName, {table.first + "." + table.second});
    }
    std::string exception = readParameter(exceptionArg, kMaxTableName);
    auto exceptionTable = tableName(exception, connected->authid);
    if (!exception.empty() && !tableExists(connected->database, exceptionTable)) {
        return call.fail(code::kUndefinedName,
                         {exceptionTable.first + "." + exceptionTable.second});
    }
    std::string report = readParameter(reportArg, kMaxPath);
    if (!report.empty()) {
        std::ofstream out(report, std::ios::trunc);
        out << "Reconcile of " << table.first << "." << table.second
            << ": no DATALINK values needed repair.\n";
        if (!out.flush()) {
            return call.fail(code::kPathMissing, {report});
        }
    }
    return call.succeed();
}

}  // namespace
}  // namespace db2sim

DB2SIM_EXPORT int sqluvqdp(char* pTableName, sqlint32 QuiesceMode, void* pReserved, sqlca* pSqlca) {
    return db2sim::guarded(
        [&] { return db2sim::quiesce(pTableName, QuiesceMode, pReserved, pSqlca); });
}

DB2SIM_EXPORT int sqlurcon(char* pTableName, char* pExTableName, char* pReportFileName,
                           void* pReserved, sqlca* pSqlca) {
    return db2sim::guarded([&] {
        return db2sim::reconcile(pTableName, pExTableName, pReportFileName, pReserved, pSqlca);
    });
}
