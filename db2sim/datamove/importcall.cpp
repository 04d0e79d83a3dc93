// db2Import (layouts 8010000 and 9000000) and sqluimpr_api (the version 7 call with separate
// arguments): reads a DEL or ASC file into a table of the connected database.
#include <algorithm>

#include "db2sim/core/apicall.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/core/versionedregistry.h"
#include "db2sim/database/tablestore.h"
#include "db2sim/datamove/datamovecodes.h"
#include "db2sim/datamove/datamovecommon.h"
#include "db2sim/datamove/datamovejournal.h"
#include "db2sim/datamove/messagefile.h"

DB2SIM_CHECK_TYPE(sqluimpr_api);

namespace db2sim {
namespace {

// What both import calls hand over.
struct ImportRequest {
    const char* file = nullptr;
    const sqlu_media_list* lobPaths = nullptr;
    const sqldcol* descriptor = nullptr;
    const sqlchar* action = nullptr;
    const char* fileType = nullptr;
    const sqlchar* modifiers = nullptr;
    const char* messageFile = nullptr;
    const db2ImportIn* options = nullptr;
    db2ImportOut* out = nullptr;
    const db2int32* nullIndicators = nullptr;
};

void journal(ApiCall& call, const ImportRequest& r) {
    using J = DatamoveJournal;
    call.text("piDataFileName", r.file).decoded("piLobPathList", J::mediaList(r.lobPaths));
    call.decoded("piDataDescriptor", J::descriptor(r.descriptor));
    call.decoded("piActionString", J::counted(r.action)).text("piFileType", r.fileType);
    call.decoded("piFileTypeMod", J::counted(r.modifiers)).text("piMsgFileName", r.messageFile);
}

// Field selection of the request into the loader's options.
bool selectFields(const ImportRequest& r, FileType type, RowLoaderOptions& options,
                  std::vector<sqllocpair>& pairs, UtilityRefusal& refusal) {
    const sqldcol* d = r.descriptor;
    sqlint16 method = d == nullptr ? SQL_METH_D : d->dcolmeth;
    bool usable = method == SQL_METH_D && type == FileType::kDel;
    if (type == FileType::kAsc) {
        usable = method == SQL_METH_L && locations(d, pairs);
    } else if (method == SQL_METH_P) {
        usable = d->dcolnum >= 0;
        for (int i = 0; usable && i < d->dcolnum; ++i) {
            usable = d->dcolname[i].dcolnlen >= 1;
            options.positions.push_back(d->dcolname[i].dcolnlen);
        }
    }
    if (!usable) {
        refusal = {code::kMethodInvalid, {}};
    }
    return usable;
}

// The target columns of the action's column list; false when one is unknown.
bool targetColumns(const Table& table, const ActionString& action, RowLoaderOptions& options,
                   UtilityRefusal& refusal) {
    for (const std::string& name : action.columns) {
        int column = table.columnIndex(name);
        if (column < 0) {
            refusal = {code::kColumnUndefined, {name}};
            return false;
        }
        options.targets.push_back(column);
    }
    return true;
}

void setCounts(const ImportRequest& r, RowLoaderOptions& options) {
    if (r.options == nullptr) {
        return;
    }
    options.rowCount = r.options->iRowcount;
    options.skipCount = std::max(r.options->iRestartcount, r.options->iSkipcount);
    options.commitCount = r.options->piCommitcount == nullptr ? 0 : *r.options->piCommitcount;
    options.warningLimit = r.options->iWarningcount;
}

// May this import act on the table now? A load pending or in progress, or an exclusive
// quiesce held by someone else, refuses it.
bool tableAvailable(const Table& table, const std::string& authid, UtilityRefusal& refusal) {
    if ((table.state & (tablestate::kLoadPending | tablestate::kLoadInProgress)) != 0) {
        refusal = {code::kTableOperationRefused, {code::kReasonLoadPending, table.qualifiedName()}};
        return false;
    }
    if (table.quiesce != QuiesceMode::kNone && table.quiescer != authid) {
        refusal = {code::kTableOperationRefused, {code::kReasonQuiesced, table.qualifiedName()}};
        return false;
    }
    return true;
}

void report(const ImportRequest& r, const LoadCounts& counts, MessageFile& messages) {
    messages.add(code::kReadEnds, 'N', {std::to_string(counts.read)});
    messages.add(code::kImportSummary, 'N',
                 {std::to_string(counts.read), std::to_string(counts.inserted + counts.updated),
                  std::to_string(counts.rejected)});
    if (r.out != nullptr) {
        *r.out = db2ImportOut{counts.read,    counts.skipped,  counts.inserted,
                              counts.updated, counts.rejected, counts.committed};
    }
}

// Reads the file's records; false with the refusal set.
bool readRecords(const ImportRequest& r, FileType type, const DelFormat& format,
                 const std::vector<sqllocpair>& pairs, std::vector<SourceRecord>& records,
                 UtilityRefusal& refusal) {
    std::string text;
    if (!readWholeFile(r.file, text)) {
        refusal = {code::kFileNameInvalid, {r.file}};
        return false;
    }
    records = type == FileType::kAsc
                  ? ascRecords(text, pairs, indicators(r.nullIndicators, pairs.size()))
                  : delRecords(format, text);
    return true;
}

// The work once the request is known to be sound: the action on the table.
bool importInto(const ImportRequest& r, const ActionString& action, const std::string& database,
                const std::string& authid, RowLoaderOptions& options,
                const std::vector<SourceRecord>& records, MessageFile& messages,
                UtilityRefusal& refusal) {
    return TableStore::get().with(database, [&](DatabaseTables& tables) {
        Table* table = tables.find(action.schema.empty() ? authid : action.schema, action.table);
        bool create = action.action == Action::kCreate ||
                      (action.action == Action::kReplaceCreate && table == nullptr);
        if (create) {
            // Only a file that carries its columns (IXF) can create a table.
            refusal = {code::kFileTypeUnsupported, {r.fileType}};
            return false;
        }
        if (table == nullptr) {
            refusal = {code::kTargetTableMissing, {}};
            return false;
        }
        bool keyed = std::any_of(table->indexes().begin(), table->indexes().end(),
                                 [](const Index& index) { return index.unique; });
        if (action.action == Action::kInsertUpdate && !keyed) {
            refusal = {code::kNoPrimaryKey, {}};
            return false;
        }
        if (!tableAvailable(*table, authid, refusal) ||
            !targetColumns(*table, action, options, refusal)) {
            return false;
        }
        if (action.action == Action::kReplace || action.action == Action::kReplaceCreate) {
            table->clearRows();
        }
        RowLoader loader(*table, options, messages);
        RowLoader::Outcome outcome = loader.run(records);
        tables.save(Instance::get().home(), *table);
        report(r, loader.counts(), messages);
        if (outcome == RowLoader::Outcome::kTooManyWarnings) {
            refusal = {code::kTooManyWarnings, {std::to_string(loader.counts().warnings)}};
        } else if (outcome == RowLoader::Outcome::kLobUnreadable) {
            refusal = {code::kFileNameInvalid, {r.file}};
        }
        return outcome == RowLoader::Outcome::kDone;
    });
}

int runImport(ApiCall& call, const ImportRequest& r) {
    std::string database;
    std::string authid;
    if (!callerDatabase(call, database, authid)) {
        return call.fail(code::kNoConnection);
    }
    MessageFile messages(r.messageFile == nullptr ? "" : r.messageFile);
    if (!messages.writable()) {
        return call.fail(code::kMessageFileError);
    }
    UtilityRefusal refusal;
    FileType type = fileTypeOf(r.fileType);
    DelFormat format;
    ActionString action;
    std::string actionText;
    RowLoaderOptions options;
    std::vector<sqllocpair> pairs;
    std::vector<SourceRecord> records;
    if (type != FileType::kDel && type != FileType::kAsc) {
        refusal = {code::kFileTypeUnsupported, {r.fileType == nullptr ? "" : r.fileType}};
    } else if (r.file == nullptr || r.file[0] == '\0') {
        refusal = {code::kFileNameInvalid, {}};
    } else if (!countedText(r.action, actionText) || r.action == nullptr) {
        refusal = {code::kActionStringInvalid, {}};
    }
    bool sound = refusal.sqlcode == 0 && applyModifiers(r.modifiers, format, refusal) &&
                 action.parse(actionText, refusal) &&
                 selectFields(r, type, options, pairs, refusal);
    if (sound && (action.action == Action::kRestart || action.action == Action::kTerminate)) {
        refusal = {code::kActionStringInvalid, {}};
        sound = false;
    }
    if (!sound || !readRecords(r, type, format, pairs, records, refusal)) {
        return finishUtility(call, messages, refusal);
    }
    options.action = action.action;
    options.decpt = format.decpt;
    setCounts(r, options);
    std::vector<std::string> lobPaths = localPaths(r.lobPaths);
    if (format.lobsinfile) {
        options.lob = [&](const std::string& field, std::optional<std::string>& value) {
            return readLob(lobPaths, field, value);
        };
    }
    messages.add(code::kReadBegins, 'N', {r.file});
    importInto(r, action, database, authid, options, records, messages, refusal);
    return finishUtility(call, messages, refusal);
}

int importData(ApiCall& call, db2Uint32 version, void* parms) {
    UtilityRefusal refusal;
    if (!versionAccepted(version, parms, refusal)) {
        return call.fail(refusal.sqlcode, refusal.tokens);
    }
    const db2ImportStruct& in = *static_cast<const db2ImportStruct*>(parms);
    ImportRequest r{in.piDataFileName,  in.piLobPathList,   in.piDataDescriptor, in.piActionString,
                    in.piFileType,      in.piFileTypeMod,   in.piMsgFileName,    in.piImportInfoIn,
                    in.poImportInfoOut, in.piNullIndicators};
    journal(call, r);
    call.num("iCallerAction", in.iCallerAction);
    call.decoded("piImportInfoIn", DatamoveJournal::importIn(in.piImportInfoIn));
    call.ptr("poImportInfoOut", in.poImportInfoOut);
    call.decoded("piNullIndicators",
                 DatamoveJournal::nullIndicators(in.piNullIndicators, in.piDataDescriptor));
    if (version >= db2Version900) {
        call.decoded("piXmlPathList", DatamoveJournal::mediaList(in.piXmlPathList));
    }
    if (in.iCallerAction != SQLU_INITIAL) {
        return call.fail(code::kInvalidParameter, {"iCallerAction"});
    }
    return runImport(call, r);
}

const VersionedRegistration kImport("db2Import", &importData);

}  // namespace
}  // namespace db2sim

using db2sim::ApiCall;
using db2sim::guarded;

DB2SIM_EXPORT int sqluimpr_api(char* pDataFileName, void* pLobPathList, void* pDataDescriptor,
                               void* pActionString, char* pFileType, void* pFileTypeMod,
                               char* pMsgFileName, short CallerAction, void* pImportInfoIn,
                               void* pImportInfoOut, sqlint32* pNullIndicators, void* pReserved,
                               sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqluimpr_api", pSqlca);
        db2sim::ImportRequest r;
        r.file = pDataFileName;
        r.lobPaths = static_cast<const sqlu_media_list*>(pLobPathList);
        r.descriptor = static_cast<const sqldcol*>(pDataDescriptor);
        r.action = static_cast<const sqlchar*>(pActionString);
        r.fileType = pFileType;
        r.modifiers = static_cast<const sqlchar*>(pFileTypeMod);
        r.messageFile = pMsgFileName;
        r.nullIndicators = pNullIndicators;
        db2sim::journal(call, r);
        call.num("CallerAction", CallerAction);
        call.ptr("pImportInfoIn", pImportInfoIn).ptr("pImportInfoOut", pImportInfoOut);
        call.decoded("pNullIndicators",
                     db2sim::DatamoveJournal::nullIndicators(pNullIndicators, r.descriptor));
        call.ptr("pReserved", pReserved);
        if (!call.proceed()) {
            return call.rc();
        }
        if (CallerAction != SQLU_INITIAL) {
            return call.fail(db2sim::code::kInvalidParameter, {"CallerAction"});
        }
        return db2sim::runImport(call, r);
    });
}
