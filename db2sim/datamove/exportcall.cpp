// db2Export: runs the SELECT of the action string on the connected database and writes the rows
// to a DEL file, LOBs to LOB files when lobsinfile is given. Layouts 8010000 (up to
// poExportInfoOut) and 9000000 (with the export-in block and the XML lists, which are journalled
// only: the stand-in has no XML columns).
#include <fstream>

#include "db2sim/core/apicall.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/core/versionedregistry.h"
#include "db2sim/database/tablestore.h"
#include "db2sim/datamove/datamovecodes.h"
#include "db2sim/datamove/datamovecommon.h"
#include "db2sim/datamove/datamovejournal.h"
#include "db2sim/datamove/messagefile.h"

namespace db2sim {
namespace {

constexpr const char* kDefaultMessageFile = "";

void journal(ApiCall& call, db2Uint32 version, const db2ExportStruct& in) {
    using J = DatamoveJournal;
    call.text("piDataFileName", in.piDataFileName);
    call.decoded("piLobPathList", J::mediaList(in.piLobPathList));
    call.decoded("piLobFileList", J::mediaList(in.piLobFileList));
    call.decoded("piDataDescriptor", J::descriptor(in.piDataDescriptor));
    call.decoded("piActionString", J::counted(in.piActionString));
    call.text("piFileType", in.piFileType);
    call.decoded("piFileTypeMod", J::counted(in.piFileTypeMod));
    call.text("piMsgFileName", in.piMsgFileName).num("iCallerAction", in.iCallerAction);
    call.ptr("poExportInfoOut", in.poExportInfoOut);
    if (version >= db2Version900) {
        call.decoded("piExportInfoIn", J::exportIn(in.piExportInfoIn));
        call.decoded("piXmlPathList", J::mediaList(in.piXmlPathList));
        call.decoded("piXmlFileList", J::mediaList(in.piXmlFileList));
    }
}

// The LOB files of an export: every LOB value appended to one file in the first LOB path, named
// after the first LOB file name (else the data file's name), and found again by its location
// specifier "name.001.lob.offset.length/".
class LobWriter {
  public:
    LobWriter(const db2ExportStruct& in, const std::string& dataFile) {
        std::vector<std::string> paths = localPaths(in.piLobPathList);
        std::string base = dataFile.substr(dataFile.rfind('/') + 1);
        const sqlu_media_list* files = in.piLobFileList;
        if (files != nullptr && files->sessions > 0 && files->target.location != nullptr) {
            const char* entry = files->target.location[0].location_entry;
            base = std::string(entry, strnlen(entry, SQLU_MEDIA_LOCATION_LEN + 1));
        }
        size_t slash = dataFile.rfind('/');
        std::string folder = slash == std::string::npos ? "." : dataFile.substr(0, slash);
        name_ = base + ".001.lob";
        path_ = (paths.empty() ? folder : paths[0]) + "/" + name_;
    }

    bool open() {
        out_.open(path_, std::ios::binary | std::ios::trunc);
        return static_cast<bool>(out_);
    }
    const std::string& path() const { return path_; }

    std::string specifier(const Cell& value) {
        if (!value) {
            return name_ + ".0.-1/";
        }
        std::string text =
            name_ + "." + std::to_string(offset_) + "." + std::to_string(value->size()) + "/";
        out_ << *value;
        offset_ += value->size();
        return text;
    }

  private:
    std::string name_;
    std::string path_;
    std::ofstream out_;
    size_t offset_ = 0;
};

// The statement's rows, or a refusal.
bool selectRows(const db2ExportStruct& in, const std::string& database, const std::string& authid,
                SelectResult& result, UtilityRefusal& refusal) {
    if (in.piActionString == nullptr) {
        refusal = {code::kActionStringInvalid, {}};
        return false;
    }
    SelectStatement statement;
    std::string text(in.piActionString->data, in.piActionString->length);
    if (!statement.parse(text, refusal)) {
        return false;
    }
    return TableStore::get().with(database, [&](DatabaseTables& tables) {
        return statement.run(tables, authid, result, refusal);
    });
}

bool writeRows(const db2ExportStruct& in, const std::string& file, const DelFormat& format,
               const SelectResult& result, UtilityRefusal& refusal) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        refusal = {code::kOutputFileError, {"1", file}};
        return false;
    }
    std::optional<LobWriter> lobs;
    if (format.lobsinfile) {
        lobs.emplace(in, file);
        if (!lobs->open()) {
            refusal = {code::kOutputFileError, {"1", lobs->path()}};
            return false;
        }
    }
    for (const Row& row : result.rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            const Column& column = result.columns[i];
            out << (i > 0 ? std::string(1, format.coldel) : std::string())
                << (lobs && column.isLob() ? format.delimited(lobs->specifier(row[i]))
                                           : format.cell(column, row[i]));
        }
        out << '\n';
    }
    if (!out) {
        refusal = {code::kOutputFileError, {"2", file}};
        return false;
    }
    return true;
}

bool checkRequest(const db2ExportStruct& in, DelFormat& format, UtilityRefusal& refusal) {
    if (fileTypeOf(in.piFileType) != FileType::kDel) {
        refusal = {code::kFileTypeUnsupported, {in.piFileType == nullptr ? "" : in.piFileType}};
        return false;
    }
    if (in.piDataFileName == nullptr || in.piDataFileName[0] == '\0') {
        refusal = {code::kFileNameInvalid, {}};
        return false;
    }
    const sqldcol* d = in.piDataDescriptor;
    if (d != nullptr && d->dcolmeth != SQL_METH_D && d->dcolmeth != SQL_METH_N) {
        refusal = {code::kMethodInvalid, {}};
        return false;
    }
    return applyModifiers(in.piFileTypeMod, format, refusal);
}

int exportData(ApiCall& call, db2Uint32 version, void* parms) {
    UtilityRefusal refusal;
    if (!versionAccepted(version, parms, refusal)) {
        return call.fail(refusal.sqlcode, refusal.tokens);
    }
    const db2ExportStruct& in = *static_cast<const db2ExportStruct*>(parms);
    journal(call, version, in);
    std::string database;
    std::string authid;
    if (!callerDatabase(call, database, authid)) {
        return call.fail(code::kNoConnection);
    }
    MessageFile messages(in.piMsgFileName == nullptr ? kDefaultMessageFile : in.piMsgFileName);
    if (!messages.writable()) {
        return call.fail(code::kMessageFileError);
    }
    DelFormat format;
    SelectResult result;
    if (!checkRequest(in, format, refusal) || !selectRows(in, database, authid, result, refusal)) {
        return finishUtility(call, messages, refusal);
    }
    std::string file = in.piDataFileName;
    messages.add(code::kExportBegins, 'N', {file});
    if (!writeRows(in, file, format, result, refusal)) {
        return finishUtility(call, messages, refusal);
    }
    messages.add(code::kExportEnds, 'N', {std::to_string(result.rows.size())});
    if (in.poExportInfoOut != nullptr) {
        in.poExportInfoOut->oRowsExported = result.rows.size();
    }
    return finishUtility(call, messages, refusal);
}

const VersionedRegistration kExport("db2Export", &exportData, Access::kRead);

}  // namespace
}  // namespace db2sim
