// Packages: precompile (sqlaprep) reads a program file's embedded SQL, writes the bind file it
// is asked for and creates the package; bind (sqlabndx) reads a bind file and creates or
// replaces its package; rebind (sqlarbnd) rebinds an existing one. All three work on the
// database the calling context is connected to.
#include <cstdint>
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "db2sim/core/apicall.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/database/dbopscodes.h"
#include "db2sim/maintenance/bindfile.h"
#include "db2sim/maintenance/bindoptions.h"
#include "db2sim/maintenance/maintenancecall.h"
#include "db2sim/maintenance/maintenancecodes.h"
#include "db2sim/maintenance/packagestore.h"
#include "db2sim/maintenance/programfile.h"

DB2SIM_CHECK_TYPE(sqlabndx);
DB2SIM_CHECK_TYPE(sqlarbnd);
DB2SIM_CHECK_TYPE(sqlaprep);

namespace db2sim {
namespace {

constexpr std::size_t kMaxSourceFile = 16u << 20;
constexpr std::size_t kMaxBindFile = 64u << 20;
constexpr std::size_t kMaxPackageName = 8;

std::string text(const char* value) {
    return value == nullptr ? std::string() : std::string(value);
}

// The package a program gives when precompile is not told one: its own name up to the first
// ".", in upper case, at most eight characters.
std::string packageOfProgram(const std::string& program) {
    const std::size_t slash = program.find_last_of('/');
    const std::string base = slash == std::string::npos ? program : program.substr(slash + 1);
    std::string name = base.substr(0, std::min(base.find('.'), kMaxPackageName));
    std::string schema;
    splitQualified(name, "", schema, name);
    return name;
}

// Creates the package `file` describes in `schema`, or replaces it unless ACTION ADD was asked.
int installPackage(ApiCall& call, const Connection& connection, const BindFile& file,
                   const std::string& schema, const BindOptions& options) {
    return PackageStore::get().with(connection.database, [&](PackageStore::Packages& packages) {
        Package package;
        package.schema = schema;
        package.name = file.package;
        const std::string key = package.qualifiedName();
        const auto found = packages.find(key);
        if (found != packages.end() &&
            options.number(SQL_ACTION_OPT, SQL_ACTION_REPLACE) == SQL_ACTION_ADD) {
            return call.fail(code::kPackageExists, {connection.authid, key});
        }
        package.version = file.version;
        package.program = file.program;
        package.boundBy = connection.authid;
        package.isolation = static_cast<int>(options.number(SQL_ISO_OPT, -1));
        package.binds = found == packages.end() ? 1 : found->second.binds + 1;
        package.statements = file.statements;
        packages[key] = package;
        PackageStore::get().save(connection.database, packages);
        return 0;
    });
}

// Fails the call with `sqlcode`, noting it in the message file as well.
int failReported(ApiCall& call, const std::string& messages, int line, int sqlcode,
                 const std::vector<std::string>& tokens) {
    reportToMessageFile(messages, line, sqlcode, tokens);
    return call.fail(sqlcode, tokens);
}

int precompile(ApiCall& call, const char* pProgramName, const char* pMsgFileName,
               const void* pPrepOptions) {
    const std::optional<Connection> connection = callerConnection(call);
    if (!connection) {
        return call.fail(code::kNoConnection);
    }
    const std::string program = text(pProgramName);
    if (program.empty()) {
        return call.fail(code::kInvalidParameter, {"pProgramName"});
    }
    BindOptions options;
    std::string why;
    if (!BindOptions::read(static_cast<const sqlopt*>(pPrepOptions), options, why)) {
        return call.fail(code::kInvalidParameter, {"pPrepOptions"});
    }
    const std::string messages = text(pMsgFileName);
    if (!messages.empty()) {
        writeWholeFile(messages, "");
    }
    std::string source;
    if (!readWholeFile(program, kMaxSourceFile, source)) {
        return failReported(call, messages, 0, code::kFileNotOpened, {program});
    }
    const ProgramScan scan = ProgramFile::scan(source);
    if (scan.sqlcode != 0) {
        return failReported(call, messages, scan.line, scan.sqlcode, scan.tokens);
    }
    BindFile file;
    file.program = program;
    std::string schema;
    const std::string named = options.text(SQL_PKG_OPT);
    splitQualified(named.empty() ? packageOfProgram(program) : named,
                   options.text(SQL_COLLECTION_OPT), schema, file.package);
    if (!BindFile::validPackageName(file.package) ||
        (!schema.empty() && !BindFile::validSchemaName(schema))) {
        return failReported(call, messages, 0, code::kPackageNameInvalid, {file.package});
    }
    file.schema = schema;
    file.version = options.text(SQL_VERSION_OPT);
    for (const ProgramStatement& statement : scan.statements) {
        file.statements.push_back(statement.text);
    }
    if (options.has(SQL_BIND_OPT)) {
        const std::string bindFile = options.text(SQL_BIND_OPT);
        if (!writeWholeFile(bindFile, file.serialize())) {
            return failReported(call, messages, 0, code::kFileNotUsable, {bindFile});
        }
    }
    // A bind file asked for without a package defers the package to bind, as DB2 does.
    if (options.has(SQL_PKG_OPT) || !options.has(SQL_BIND_OPT)) {
        const int rc = installPackage(call, *connection, file,
                                      schema.empty() ? connection->authid : schema, options);
        if (rc != 0) {
            return rc;
        }
    }
    if (scan.statements.empty()) {
        reportToMessageFile(messages, 0, code::kNoStatements, {});
        return call.fail(code::kNoStatements);
    }
    return call.succeed();
}

int bind(ApiCall& call, const char* pBindFileName, const char* pMsgFileName,
         const void* pBindOptions) {
    const std::optional<Connection> connection = callerConnection(call);
    if (!connection) {
        return call.fail(code::kNoConnection);
    }
    const std::string path = text(pBindFileName);
    if (path.empty()) {
        return call.fail(code::kBindFileName);
    }
    BindOptions options;
    std::string why;
    if (!BindOptions::read(static_cast<const sqlopt*>(pBindOptions), options, why)) {
        return call.fail(code::kInvalidParameter, {"pBindOptions"});
    }
    const std::string messages = text(pMsgFileName);
    if (!messages.empty()) {
        writeWholeFile(messages, "");
    }
    std::string content;
    if (!readWholeFile(path, kMaxBindFile, content)) {
        return failReported(call, messages, 0, code::kFileNotOpened, {path});
    }
    BindFile file;
    if (!BindFile::parse(content, file)) {
        return failReported(call, messages, 0, code::kNotBindFile, {path});
    }
    // The collection option names the schema; without it the file's, else the binder's.
    std::string schema;
    std::string none;
    splitQualified("", options.text(SQL_COLLECTION_OPT), schema, none);
    if (schema.empty()) {
        schema = file.schema.empty() ? connection->authid : file.schema;
    }
    if (!BindFile::validSchemaName(schema)) {
        return failReported(call, messages, 0, code::kPackageNameInvalid, {schema});
    }
    const int rc = installPackage(call, *connection, file, schema, options);
    return rc != 0 ? rc : call.succeed();
}

int rebind(ApiCall& call, const char* pPackageName, const void* pRebindOptions) {
    const std::optional<Connection> connection = callerConnection(call);
    if (!connection) {
        return call.fail(code::kNoConnection);
    }
    const std::string named = text(pPackageName);
    if (named.empty()) {
        return call.fail(code::kInvalidParameter, {"pPackageName"});
    }
    BindOptions options;
    std::string why;
    if (!BindOptions::read(static_cast<const sqlopt*>(pRebindOptions), options, why)) {
        return call.fail(code::kInvalidParameter, {"pRebindOptions"});
    }
    std::string schema;
    std::string name;
    splitQualified(named, connection->authid, schema, name);
    const std::string key = schema + "." + name;
    const std::string version = options.text(SQL_VERSION_OPT);
    return PackageStore::get().with(connection->database, [&](PackageStore::Packages& packages) {
        const auto found = packages.find(key);
        if (found == packages.end() ||
            (options.has(SQL_VERSION_OPT) && found->second.version != version)) {
            return call.fail(code::kUndefinedName, {key});
        }
        Package& package = found->second;
        ++package.rebinds;
        package.boundBy = connection->authid;
        package.reopt = static_cast<int>(options.number(SQL_REOPT_OPT, package.reopt));
        PackageStore::get().save(connection->database, packages);
        return call.succeed();
    });
}

}  // namespace

// The block's counts, then each used pair as opt<type>=<value>.
void journalOptions(ApiCall& call, const char* name, const void* block) {
    const auto* options = static_cast<const sqlopt*>(block);
    if (options == nullptr) {
        call.ptr(name, nullptr);
        return;
    }
    call.num("allocated", options->header.allocated).num("used", options->header.used);
    std::vector<sqloptions> pairs;
    BindOptions::pairs(options, pairs);
    for (const sqloptions& pair : pairs) {
        const std::string key = "opt" + std::to_string(pair.type);
        std::string value;
        if (!BindOptions::isText(pair.type)) {
            call.num(key, static_cast<long long>(static_cast<std::intptr_t>(pair.val)));
        } else {
            call.text(key, BindOptions::textAt(pair.val, value) ? value.c_str() : nullptr);
        }
    }
}

}  // namespace db2sim

using db2sim::ApiCall;
using db2sim::BindOptions;
using db2sim::guarded;

DB2SIM_EXPORT int sqlabndx(char* pBindFileName, char* pMsgFileName, void* pBindOptions,
                           sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqlabndx", pSqlca);
        call.text("pBindFileName", pBindFileName).text("pMsgFileName", pMsgFileName);
        db2sim::journalOptions(call, "pBindOptions", pBindOptions);
        if (!call.proceed()) {
            return call.rc();
        }
        return db2sim::bind(call, pBindFileName, pMsgFileName, pBindOptions);
    });
}

DB2SIM_EXPORT int sqlarbnd(char* pPackageName, sqlca* pSqlca, void* pRebindOptions) {
    return guarded([&] {
        ApiCall call("sqlarbnd", pSqlca);
        call.text("pPackageName", pPackageName);
        db2sim::journalOptions(call, "pRebindOptions", pRebindOptions);
        if (!call.proceed()) {
            return call.rc();
        }
        return db2sim::rebind(call, pPackageName, pRebindOptions);
    });
}

DB2SIM_EXPORT int sqlaprep(char* pProgramName, char* pMsgFileName, void* pPrepOptions,
                           sqlca* pSqlca) {
    return guarded([&] {
        ApiCall call("sqlaprep", pSqlca);
        call.text("pProgramName", pProgramName).text("pMsgFileName", pMsgFileName);
        db2sim::journalOptions(call, "pPrepOptions", pPrepOptions);
        if (!call.proceed()) {
            return call.rc();
        }
        return db2sim::precompile(call, pProgramName, pMsgFileName, pPrepOptions);
    });
}
