#include "db2sim/maintenance/maintenancecall.h"

#include <cctype>
#include <fstream>
#include <sys/stat.h>

#include "db2sim/core/apicall.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/messagecatalog.h"
#include "db2sim/core/sqlcawriter.h"
#include "db2sim/database/databasetables.h"
#include "db2sim/recovery/history.h"
#include "db2sim/recovery/recoverytime.h"

namespace db2sim {
namespace {

std::string trimmedUpper(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    std::string out = first == std::string::npos ? "" : text.substr(first, last - first + 1);
    for (char& c : out) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return out;
}

}  // namespace

std::optional<Connection> callerConnection(ApiCall& call) {
    void* ctx = call.instance().contexts().current();
    if (ctx == nullptr) {
        return std::nullopt;
    }
    std::optional<Connection> connection = Manager::get().connections().connectionOf(ctx);
    return connection && connection->connected ? connection : std::nullopt;
}

bool readWholeFile(const std::string& path, std::size_t limit, std::string& out) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<unsigned long long>(info.st_size) > limit) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    out.assign(static_cast<std::size_t>(info.st_size), '\0');
    in.read(&out[0], static_cast<std::streamsize>(out.size()));
    out.resize(static_cast<std::size_t>(in.gcount()));
    return true;
}

bool writeWholeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    return static_cast<bool>(out.flush());
}

void reportToMessageFile(const std::string& path, int line, int sqlcode,
                         const std::vector<std::string>& tokens) {
    if (path.empty()) {
        return;
    }
    sqlca ca{};
    writeSqlca(ca, sqlcode, joinTokens(tokens), Instance::get().product());
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out << (line > 0 ? std::to_string(line) + "  " : "") << MessageCatalog::message(ca) << "\n";
}

void splitQualified(const std::string& qualified, const std::string& defaultSchema,
                    std::string& schema, std::string& name) {
    const std::size_t dot = qualified.find('.');
    if (dot == std::string::npos) {
        schema = trimmedUpper(defaultSchema);
        name = trimmedUpper(qualified);
    } else {
        schema = trimmedUpper(qualified.substr(0, dot));
        name = trimmedUpper(qualified.substr(dot + 1));
    }
}

}  // namespace db2sim

namespace db2sim {

Table* namedTable(DatabaseTables& tables, const char* name, const std::string& authid,
                  std::string& qualified) {
    std::string schema;
    std::string table;
    splitQualified(name == nullptr ? "" : name, authid, schema, table);
    qualified = schema + "." + table;
    return table.empty() ? nullptr : tables.find(schema, table);
}

bool hasIndex(const Table& table, const std::string& name) {
    std::string schema;
    std::string index;
    splitQualified(name, "", schema, index);
    for (const Index& candidate : table.indexes()) {
        if (candidate.name == index && (schema.empty() || candidate.schema == schema)) {
            return true;
        }
    }
    return false;
}

std::string timestampNow() {
    // Local time, as the recovery history and backup images are stamped.
    return RecoveryTime::now();
}

void recordTableHistory(const std::string& database, char operation, const Table& table,
                        const std::string& commandText) {
    HistoryEntry entry;
    entry.operation = operation;
    entry.object = history::kTable;
    entry.deviceType = history::kNoDevice;
    entry.tableQualifier = table.schema;
    entry.tableName = table.name;
    entry.commandText = commandText;
    recordHistory(database, entry);
}

}  // namespace db2sim
