// Inspection (db2Inspect) of the database the calling context is connected to, one of its table
// spaces or one table. The stand-in's tables keep their unique keys and nullability true, so an
// inspection finds no error; with "keep" it writes its results file under the state folder's
// inspect/ folder (DB2 writes it to its diagnostic path), one line per table checked.
#include <string>

#include "db2api/db2structs.h"
#include "db2sim/core/apicall.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/core/statehome.h"
#include "db2sim/core/versionedregistry.h"
#include "db2sim/database/dbopscodes.h"
#include "db2sim/database/tablestore.h"
#include "db2sim/maintenance/maintenancecall.h"
#include "db2sim/maintenance/maintenancecodes.h"

namespace db2sim {
namespace {

constexpr db2Uint16 kMaxNodes = 1000;
const char* const kDefaultTablespaces[] = {"SYSCATSPACE", "TEMPSPACE1", "USERSPACE1"};

void journalRequest(ApiCall& call, const db2InspectStruct& in) {
    call.text("piTablespaceName", in.piTablespaceName).text("piTableName", in.piTableName);
    call.text("piSchemaName", in.piSchemaName).text("piResultsName", in.piResultsName);
    call.text("piDataFileName", in.piDataFileName);
    std::string nodes;
    for (db2Uint16 i = 0; in.piNodeList != nullptr && i < std::min(in.iNumNodes, kMaxNodes); ++i) {
        nodes += (i == 0 ? "" : ",") + std::to_string(in.piNodeList[i]);
    }
    call.text("piNodeList", in.piNodeList == nullptr ? nullptr : nodes.c_str());
    call.num("iAction", in.iAction).num("iTablespaceID", in.iTablespaceID);
    call.num("iObjectID", in.iObjectID).num("iBeginCheckOption", in.iBeginCheckOption);
    call.num("iLimitErrorReported", in.iLimitErrorReported);
    call.num("iObjectErrorState", in.iObjectErrorState);
    call.num("iKeepResultfile", in.iKeepResultfile).num("iAllNodeFlag", in.iAllNodeFlag);
    call.num("iNumNodes", in.iNumNodes).num("iLevelObjectData", in.iLevelObjectData);
    call.num("iLevelObjectIndex", in.iLevelObjectIndex);
    call.num("iLevelObjectLong", in.iLevelObjectLong);
    call.num("iLevelObjectLOB", in.iLevelObjectLOB);
    call.num("iLevelObjectBlkMap", in.iLevelObjectBlkMap);
    call.num("iLevelExtentMap", in.iLevelExtentMap);
}

const char* malformed(const db2InspectStruct& in) {
    if (in.iAction < DB2INSPECT_ACT_CHECK_DB || in.iAction > DB2INSPECT_ACT_CHECK_TABLE) {
        return "iAction";
    }
    if (in.iAllNodeFlag > DB2INSPECT_ALL_EXCEPT) {
        return "iAllNodeFlag";
    }
    if (in.iNumNodes > kMaxNodes || (in.iNumNodes > 0 && in.piNodeList == nullptr)) {
        return "piNodeList";
    }
    for (db2Uint16 i = 0; i < in.iNumNodes; ++i) {
        if (in.piNodeList[i] != 0) {
            return "piNodeList";
        }
    }
    if (in.iAction == DB2INSPECT_ACT_CHECK_TABLE &&
        (in.piTableName == nullptr || *in.piTableName == '\0')) {
        return "piTableName";
    }
    // The results file is a name in the diagnostic folder, never a path.
    if (in.piResultsName != nullptr &&
        (std::string(in.piResultsName).find('/') != std::string::npos ||
         std::string(in.piResultsName) == ".." || std::string(in.piResultsName) == ".")) {
        return "piResultsName";
    }
    return nullptr;
}

// The table spaces of a database: its tablespaces/<NAME> file's first fields, else DB2's three.
std::vector<std::string> tablespacesOf(const std::string& database) {
    std::string text;
    std::vector<std::string> names;
    if (Instance::get().home().readFile("tablespaces/" + database, text)) {
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            const std::string line = text.substr(start, end - start);
            const std::string name = line.substr(0, line.find('\t'));
            if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) {
                names.push_back(name);
            }
            start = end + 1;
        }
    }
    if (names.empty()) {
        names.assign(std::begin(kDefaultTablespaces), std::end(kDefaultTablespaces));
    }
    return names;
}

std::string upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// The tables the inspection covers and their result lines; false with `missing` set when the
// table or table space it names does not exist.
bool inspectTables(DatabaseTables& tables, const db2InspectStruct& in, const std::string& authid,
                   const std::string& database, std::string& results, std::string& missing,
                   int& sqlcode) {
    std::vector<Table*> covered;
    if (in.iAction == DB2INSPECT_ACT_CHECK_TABLE) {
        const std::string schema = in.piSchemaName != nullptr && *in.piSchemaName != '\0'
                                       ? std::string(in.piSchemaName) + "."
                                       : std::string();
        Table* table = namedTable(tables, (schema + in.piTableName).c_str(), authid, missing);
        if (table == nullptr) {
            sqlcode = code::kTableNotFound;
            return false;
        }
        covered.push_back(table);
    } else if (in.iAction == DB2INSPECT_ACT_CHECK_TABSPACE && in.piTablespaceName != nullptr) {
        const std::string name = upper(in.piTablespaceName);
        const std::vector<std::string> known = tablespacesOf(database);
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            missing = name;
            sqlcode = code::kUndefinedName;
            return false;
        }
        for (Table* table : tables.all()) {
            if (table->tablespace == name) {
                covered.push_back(table);
            }
        }
    } else {
        covered = tables.all();
    }
    for (const Table* table : covered) {
        results += "Table " + table->qualifiedName() + ": " + std::to_string(table->rows().size()) +
                   " rows, " + std::to_string(table->indexes().size()) +
                   " indexes, no errors found\n";
    }
    return true;
}

int inspect(ApiCall& call, db2Uint32 version, void* parms) {
    if (version < db2Version710 || parms == nullptr) {
        return call.fail(code::kInvalidParameter, {parms ? "versionNumber" : "pParmStruct"});
    }
    const db2InspectStruct& in = *static_cast<const db2InspectStruct*>(parms);
    journalRequest(call, in);
    if (const char* field = malformed(in)) {
        return call.fail(code::kInvalidParameter, {field});
    }
    const std::optional<Connection> connection = callerConnection(call);
    if (!connection) {
        return call.fail(code::kNoConnection);
    }
    std::string results;
    std::string missing;
    int sqlcode = 0;
    const bool found = TableStore::get().with(connection->database, [&](DatabaseTables& tables) {
        return inspectTables(tables, in, connection->authid, connection->database, results, missing,
                             sqlcode);
    });
    if (!found) {
        return call.fail(sqlcode, {missing});
    }
    if (in.iKeepResultfile != 0 && in.piResultsName != nullptr && *in.piResultsName != '\0') {
        call.instance().home().writeFile(std::string("inspect/") + in.piResultsName, results);
    }
    return call.succeed();
}

const VersionedRegistration kInspect("db2Inspect", &inspect);

}  // namespace
}  // namespace db2sim
