// db2Load and db2LoadQuery (layouts 8010000 and 9000000). A load reads files ('S' server or 'C'
// client locations, DEL or ASC) or the rows of a SELECT ('Q', file type CURSOR) into an existing
// table. It is all or nothing: rows go in only when the load ends well; a load that fails once
// it started leaves the table Load Pending, until a RESTART, REPLACE or TERMINATE load. With
// iHoldQuiesce the table stays quiesced exclusive for the loading user. What the last load of a
// table did stays with the table for db2LoadQuery.
#include <sys/stat.h>

#include <algorithm>
#include <limits>

#include "db2sim/core/apicall.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/core/versionedregistry.h"
#include "db2sim/database/dbopscodes.h"
#include "db2sim/database/tablestore.h"
#include "db2sim/datamove/datamovecodes.h"
#include "db2sim/datamove/datamovecommon.h"
#include "db2sim/datamove/datamovejournal.h"
#include "db2sim/datamove/messagefile.h"

namespace db2sim {
namespace {

void journal(ApiCall& call, db2Uint32 version, const db2LoadStruct& in) {
    using J = DatamoveJournal;
    call.decoded("piSourceList", J::mediaList(in.piSourceList));
    call.decoded("piLobPathList", J::mediaList(in.piLobPathList));
    call.decoded("piDataDescriptor", J::descriptor(in.piDataDescriptor));
    call.decoded("piActionString", J::counted(in.piActionString)).text("piFileType", in.piFileType);
    call.decoded("piFileTypeMod", J::counted(in.piFileTypeMod));
    call.text("piLocalMsgFileName", in.piLocalMsgFileName)
        .text("piTempFilesPath", in.piTempFilesPath);
    call.decoded("piVendorSortWorkPaths", J::mediaList(in.piVendorSortWorkPaths));
    call.decoded("piCopyTargetList", J::mediaList(in.piCopyTargetList));
    call.decoded("piNullIndicators", J::nullIndicators(in.piNullIndicators, in.piDataDescriptor));
    call.decoded("piLoadInfoIn", J::loadIn(in.piLoadInfoIn)).ptr("poLoadInfoOut", in.poLoadInfoOut);
    call.decoded("piPartLoadInfoIn", J::partLoadIn(in.piPartLoadInfoIn));
    call.ptr("poPartLoadInfoOut", in.poPartLoadInfoOut).num("iCallerAction", in.iCallerAction);
    if (version >= db2Version900) {
        call.decoded("piLongActionString", J::counted(in.piLongActionString));
        call.decoded("piXmlPathList", J::mediaList(in.piXmlPathList));
    }
}

bool isFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A copy target must be a kind the stand-in knows; local copies go to existing folders.
bool copyTargetUsable(const sqlu_media_list* list, UtilityRefusal& refusal) {
    if (list == nullptr) {
        return true;
    }
    char type = list->media_type;
    if (type != SQLU_LOCAL_MEDIA && type != SQLU_TSM_MEDIA && type != SQLU_OTHER_MEDIA &&
        type != SQLU_XBSA_MEDIA) {
        refusal = {code::kInvalidParameter, {"piCopyTargetList"}};
        return false;
    }
    for (const std::string& path : localPaths(list)) {
        if (!isFolder(path)) {
            refusal = {code::kCopyPathInvalid, {path}};
            return false;
        }
    }
    return true;
}

// The records of the source: the files of an 'S' or 'C' list, or the rows of a 'Q' statement.
class LoadSource {
  public:
    LoadSource(const db2LoadStruct& in, FileType type) : in_(in), type_(type) {}

    bool check(UtilityRefusal& refusal) const {
        const sqlu_media_list* list = in_.piSourceList;
        bool cursor = type_ == FileType::kCursor;
        bool statement = list != nullptr && list->media_type == SQLU_SQL_STMT;
        if (type_ == FileType::kOther || cursor != statement) {
            refusal = {code::kFileTypeUnsupported,
                       {in_.piFileType == nullptr ? "" : in_.piFileType}};
            return false;
        }
        bool files = list != nullptr && (list->media_type == SQLU_SERVER_LOCATION ||
                                         list->media_type == SQLU_CLIENT_LOCATION);
        if (!statement && (!files || list->sessions < 1 || list->target.location == nullptr)) {
            refusal = {code::kInvalidParameter, {"piSourceList"}};
            return false;
        }
        if (statement &&
            (list->target.pStatement == nullptr || list->target.pStatement->pEntry == nullptr)) {
            refusal = {code::kInvalidParameter, {"piSourceList"}};
            return false;
        }
        return true;
    }

    // Reads the files, or runs the statement on `tables`.
    bool read(const DelFormat& format, const std::vector<sqllocpair>& pairs, DatabaseTables& tables,
              const std::string& authid, std::vector<SourceRecord>& records,
              UtilityRefusal& refusal) {
        const sqlu_media_list& list = *in_.piSourceList;
        if (list.media_type == SQLU_SQL_STMT) {
            return runStatement(tables, authid, records, refusal);
        }
        for (sqlint32 i = 0; i < list.sessions; ++i) {
            const char* entry = list.target.location[i].location_entry;
            std::string file(entry, strnlen(entry, SQLU_MEDIA_LOCATION_LEN + 1));
            std::string text;
            if (!readWholeFile(file, text)) {
                refusal = {code::kCopyPathInvalid, {file}};
                return false;
            }
            std::vector<SourceRecord> more =
                type_ == FileType::kAsc
                    ? ascRecords(text, pairs, indicators(in_.piNullIndicators, pairs.size()))
                    : delRecords(format, text);
            records.insert(records.end(), more.begin(), more.end());
            names_ += (names_.empty() ? "" : ",") + file;
        }
        return true;
    }

    const std::string& names() const { return names_; }

  private:
    bool runStatement(DatabaseTables& tables, const std::string& authid,
                      std::vector<SourceRecord>& records, UtilityRefusal& refusal) {
        const sqlu_statement_entry& entry = *in_.piSourceList->target.pStatement;
        SelectStatement statement;
        SelectResult result;
        names_ = std::string(entry.pEntry, entry.length);
        if (!statement.parse(names_, refusal) || !statement.run(tables, authid, result, refusal)) {
            return false;
        }
        for (const Row& row : result.rows) {
            records.emplace_back(row.begin(), row.end());
        }
        return true;
    }

    const db2LoadStruct& in_;
    FileType type_;
    std::string names_;
};

struct LoadPlan {
    ActionString action;
    DelFormat format;
    FileType type = FileType::kOther;
    RowLoaderOptions options;
    std::vector<sqllocpair> pairs;
    std::string authid;
    std::string messageFile;
};

bool checkRequest(const db2LoadStruct& in, LoadPlan& plan, UtilityRefusal& refusal) {
    plan.type = fileTypeOf(in.piFileType);
    std::string actionText;
    if (!LoadSource(in, plan.type).check(refusal) ||
        !applyModifiers(in.piFileTypeMod, plan.format, refusal)) {
        return false;
    }
    if (in.piActionString == nullptr || !countedText(in.piActionString, actionText)) {
        refusal = {code::kActionStringInvalid, {}};
        return false;
    }
    if (!plan.action.parse(actionText, refusal)) {
        return false;
    }
    Action action = plan.action.action;
    if (action != Action::kInsert && action != Action::kReplace && action != Action::kRestart &&
        action != Action::kTerminate) {
        refusal = {code::kActionStringInvalid, {}};
        return false;
    }
    const sqldcol* d = in.piDataDescriptor;
    sqlint16 method = d == nullptr ? SQL_METH_D : d->dcolmeth;
    bool fields = plan.type == FileType::kAsc ? locations(d, plan.pairs)
                                              : method == SQL_METH_D || method == SQL_METH_P;
    for (int i = 0; method == SQL_METH_P && fields && i < d->dcolnum; ++i) {
        fields = d->dcolname[i].dcolnlen > 0;
        plan.options.positions.push_back(d->dcolname[i].dcolnlen);
    }
    if (!fields || (method == SQL_METH_P && d->dcolnum < 0)) {
        refusal = {code::kMethodInvalid, {}};
        return false;
    }
    return copyTargetUsable(in.piCopyTargetList, refusal);
}

void setOptions(const db2LoadStruct& in, LoadPlan& plan) {
    plan.options.action = plan.action.action;
    plan.options.load = true;
    plan.options.decpt = plan.format.decpt;
    const db2LoadIn* options = in.piLoadInfoIn;
    if (options != nullptr) {
        plan.options.rowCount = options->iRowcount;
        plan.options.skipCount = options->iRestartcount;
        plan.options.commitCount = options->iSavecount;
        plan.options.warningLimit = options->iWarningcount;
    }
    plan.messageFile = in.piLocalMsgFileName == nullptr ? "" : in.piLocalMsgFileName;
}

void reportPhases(const LoadCounts& counts, const Table& table, MessageFile& messages) {
    messages.add(code::kReadEnds, 'N', {std::to_string(counts.read)});
    messages.add(code::kPhaseEnds, 'W', {"LOAD"});
    if (!table.indexes().empty()) {
        messages.add(code::kPhaseBegins, 'W', {"BUILD"});
        messages.add(code::kPhaseEnds, 'W', {"BUILD"});
    }
    if (counts.deleted > 0) {
        messages.add(code::kPhaseBegins, 'W', {"DELETE"});
        messages.add(code::kPhaseEnds, 'W', {"DELETE"});
    }
    messages.addText("Number of rows read         = " + std::to_string(counts.read));
    messages.addText("Number of rows skipped      = " + std::to_string(counts.skipped));
    messages.addText("Number of rows loaded       = " + std::to_string(counts.inserted));
    messages.addText("Number of rows rejected     = " + std::to_string(counts.rejected));
    messages.addText("Number of rows deleted      = " + std::to_string(counts.deleted));
    messages.addText("Number of rows committed    = " + std::to_string(counts.committed));
}

LoadRecord recordOf(const LoadCounts& counts, bool restarted, std::uint32_t phase,
                    const std::string& messageFile) {
    LoadRecord record;
    record.rowsRead = counts.read;
    record.rowsSkipped = counts.skipped;
    record.rowsCommitted = counts.committed;
    record.rowsLoaded = counts.inserted;
    record.rowsRejected = counts.rejected;
    record.rowsDeleted = counts.deleted;
    record.warnings = counts.warnings;
    record.phase = phase;
    record.restarted = restarted;
    record.messageFile = messageFile;
    return record;
}

// Ends a load of `table` that was refused once it started: the table is Load Pending.
void loadFailed(Table& table, const LoadRecord& record) {
    table.state = (table.state & ~tablestate::kLoadInProgress) | tablestate::kLoadPending;
    table.lastLoad = record;
}

bool loadInto(const db2LoadStruct& in, LoadPlan& plan, const std::string& database,
              MessageFile& messages, UtilityRefusal& refusal) {
    return TableStore::get().with(database, [&](DatabaseTables& tables) {
        StateHome& home = Instance::get().home();
        const ActionString& action = plan.action;
        Table* table =
            tables.find(action.schema.empty() ? plan.authid : action.schema, action.table);
        if (table == nullptr) {
            refusal = {code::kTargetTableMissing, {}};
            return false;
        }
        bool pending = (table->state & tablestate::kLoadPending) != 0;
        if ((pending && action.action == Action::kInsert) ||
            (table->quiesce != QuiesceMode::kNone && table->quiescer != plan.authid)) {
            const char* reason = pending ? code::kReasonLoadPending : code::kReasonQuiesced;
            refusal = {code::kTableOperationRefused, {reason, table->qualifiedName()}};
            return false;
        }
        for (const std::string& name : action.columns) {
            plan.options.targets.push_back(table->columnIndex(name));
            if (plan.options.targets.back() < 0) {
                refusal = {code::kColumnUndefined, {name}};
                return false;
            }
        }
        if (action.action == Action::kTerminate) {
            table->state &= ~tablestate::kLoadPending;
            table->lastLoad = recordOf(LoadCounts(), false, 0, plan.messageFile);
            tables.save(home, *table);
            return true;
        }
        LoadSource source(in, plan.type);
        std::vector<SourceRecord> records;
        if (!source.read(plan.format, plan.pairs, tables, plan.authid, records, refusal)) {
            return false;
        }
        messages.add(code::kReadBegins, 'N', {source.names()});
        messages.add(code::kPhaseBegins, 'W', {"LOAD"});
        Table loaded = *table;
        if (action.action == Action::kReplace) {
            loaded.clearRows();
        }
        RowLoader loader(loaded, plan.options, messages);
        RowLoader::Outcome outcome = loader.run(records);
        bool restarted = action.action == Action::kRestart;
        if (outcome != RowLoader::Outcome::kDone) {
            loadFailed(*table, recordOf(loader.counts(), restarted, DB2LOADQUERY_LOAD_PHASE,
                                        plan.messageFile));
            tables.save(home, *table);
            refusal = outcome == RowLoader::Outcome::kTooManyWarnings
                          ? UtilityRefusal{code::kTooManyWarnings,
                                           {std::to_string(loader.counts().warnings)}}
                          : UtilityRefusal{code::kFileNameInvalid, {source.names()}};
            return false;
        }
        reportPhases(loader.counts(), loaded, messages);
        loaded.state &= ~(tablestate::kLoadPending | tablestate::kLoadInProgress);
        loaded.lastLoad = recordOf(loader.counts(), restarted, 0, plan.messageFile);
        bool hold = in.piLoadInfoIn != nullptr && in.piLoadInfoIn->iHoldQuiesce != 0;
        loaded.quiesce = hold ? QuiesceMode::kExclusive : QuiesceMode::kNone;
        loaded.quiescer = hold ? plan.authid : std::string();
        *table = std::move(loaded);
        tables.save(home, *table);
        if (in.poLoadInfoOut != nullptr) {
            const LoadCounts& c = loader.counts();
            *in.poLoadInfoOut =
                db2LoadOut{c.read, c.skipped, c.inserted, c.rejected, c.deleted, c.committed};
        }
        return true;
    });
}

int load(ApiCall& call, db2Uint32 version, void* parms) {
    UtilityRefusal refusal;
    if (!versionAccepted(version, parms, refusal)) {
        return call.fail(refusal.sqlcode, refusal.tokens);
    }
    const db2LoadStruct& in = *static_cast<const db2LoadStruct*>(parms);
    journal(call, version, in);
    if (in.iCallerAction != SQLU_INITIAL) {
        return call.fail(code::kInvalidParameter, {"iCallerAction"});
    }
    LoadPlan plan;
    std::string database;
    if (!callerDatabase(call, database, plan.authid)) {
        return call.fail(code::kNoConnection);
    }
    MessageFile messages(in.piLocalMsgFileName == nullptr ? "" : in.piLocalMsgFileName);
    if (!messages.writable()) {
        return call.fail(code::kMessageFileError);
    }
    if (checkRequest(in, plan, refusal)) {
        setOptions(in, plan);
        loadInto(in, plan, database, messages, refusal);
    }
    return finishUtility(call, messages, refusal);
}

db2Uint32 clamp32(std::uint64_t value) {
    return static_cast<db2Uint32>(
        std::min<std::uint64_t>(value, std::numeric_limits<db2Uint32>::max()));
}

void fillQuery(const Table& table, db2LoadQueryOutputStruct& out) {
    const LoadRecord& l = table.lastLoad;
    out = db2LoadQueryOutputStruct{};
    out.oRowsRead = clamp32(l.rowsRead);
    out.oRowsSkipped = clamp32(l.rowsSkipped);
    out.oRowsCommitted = clamp32(l.rowsCommitted);
    out.oRowsLoaded = clamp32(l.rowsLoaded);
    out.oRowsRejected = clamp32(l.rowsRejected);
    out.oRowsDeleted = clamp32(l.rowsDeleted);
    out.oNumTotalIndexes = clamp32(table.indexes().size());
    out.oLoadRestarted = l.restarted ? 1 : 0;
    out.oWhichPhase = l.phase;
    out.oWarningCount = l.warnings;
    out.oTableState = table.state;
}

// The name a load query asks for: "SCHEMA.TABLE" or "TABLE" (the caller's schema).
void splitName(const std::string& text, const std::string& authid, std::string& schema,
               std::string& name) {
    ActionString parsed;
    UtilityRefusal ignored;
    if (parsed.parse("INSERT INTO " + text, ignored)) {
        schema = parsed.schema.empty() ? authid : parsed.schema;
        name = parsed.table;
    }
}

int loadQuery(ApiCall& call, db2Uint32 version, void* parms) {
    UtilityRefusal refusal;
    if (!versionAccepted(version, parms, refusal)) {
        return call.fail(refusal.sqlcode, refusal.tokens);
    }
    const db2LoadQueryStruct& in = *static_cast<const db2LoadQueryStruct*>(parms);
    call.decoded("query", DatamoveJournal::loadQuery(in)).ptr("poOutputStruct", in.poOutputStruct);
    const char* bad = in.iStringType != DB2LOADQUERY_TABLENAME ? "iStringType"
                      : in.piString == nullptr                 ? "piString"
                      : in.poOutputStruct == nullptr           ? "poOutputStruct"
                                                               : nullptr;
    if (bad != nullptr) {
        return call.fail(code::kInvalidParameter, {bad});
    }
    std::string database;
    std::string authid;
    if (!callerDatabase(call, database, authid)) {
        return call.fail(code::kNoConnection);
    }
    std::string schema;
    std::string name;
    splitName(in.piString, authid, schema, name);
    std::string messagesOfLoad;
    bool found = TableStore::get().with(database, [&](DatabaseTables& tables) {
        const Table* table = tables.find(schema, name);
        if (table != nullptr) {
            fillQuery(*table, *in.poOutputStruct);
            messagesOfLoad = table->lastLoad.messageFile;
        }
        return table != nullptr;
    });
    if (!found) {
        return call.fail(code::kUndefinedName, {in.piString});
    }
    if (in.piLocalMessageFile != nullptr && in.iShowLoadMessages != DB2LOADQUERY_SHOW_NO_MSGS) {
        std::string text;
        MessageFile out(in.piLocalMessageFile);
        if (!messagesOfLoad.empty() && readWholeFile(messagesOfLoad, text)) {
            out.addText(text);
        }
        if (!out.write()) {
            return call.fail(code::kMessageFileError);
        }
    }
    return call.succeed();
}

const VersionedRegistration kLoad("db2Load", &load);
const VersionedRegistration kLoadQuery("db2LoadQuery", &loadQuery, Access::kRead);

}  // namespace
}  // namespace db2sim
