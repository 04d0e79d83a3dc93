// The database directory's entry points: sqlecadb_api, sqleuncd_api, sqledosd_api, sqledgne_api,
// sqledcls_api, and sqlegins_api (the instance name, which listings show for home entries).
// Inbound names lose trailing blanks and compare in upper case, as DB2 does.
#include <string>

#include "db2sim/core/apicall.h"
#include "db2sim/directory/directoriescodes.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/directory/directoriesscancalls.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/connection/users.h"

DB2SIM_CHECK_TYPE(sqlecadb_api);
DB2SIM_CHECK_TYPE(sqleuncd_api);
DB2SIM_CHECK_TYPE(sqledosd_api);
DB2SIM_CHECK_TYPE(sqledgne_api);
DB2SIM_CHECK_TYPE(sqledcls_api);
DB2SIM_CHECK_TYPE(sqlegins_api);

namespace db2sim {
namespace {

// Longest path or principal looked at; longer values are refused or cut by the directory.
constexpr size_t kMaxTextParameter = SQL_DCEPRIN_SZ;

// The release part "vvrr" of the product signature "SQLvvrrm".
std::string clientRelease(const std::string& product) {
    return product.substr(3, 4);
}

std::string name(const char* text) {
    return withoutTrailingBlanks(readParameter(text, SQL_DBNAME_SZ));
}

int catalogDatabase(const DbCatalogRequest& request, ApiCall& call) {
    Manager& manager = Manager::get();
    int rc = manager.directories().databases().catalog(request, manager.databases(),
                                                       call.instance().home());
    if (rc == code::kDuplicateAlias) {
        return call.fail(rc, {request.alias.empty() ? request.dbname : request.alias});
    }
    if (rc == code::kInvalidDatabaseName) {
        return call.fail(rc, {request.dbname});
    }
    return rc == code::kSuccess ? call.succeed() : call.fail(rc);
}

int uncatalogDatabase(char* alias, sqlca* ca) {
    ApiCall call("sqleuncd_api", ca);
    call.text("pDbAlias", alias);
    if (!call.proceed()) {
        return call.rc();
    }
    if (alias == nullptr) {
        return call.fail(code::kInvalidAliasPointer);
    }
    Manager& manager = Manager::get();
    std::string wanted = name(alias);
    int rc = manager.directories().databases().uncatalog(wanted, manager.databases(),
                                                         call.instance().home());
    if (rc == code::kDatabaseNotFound) {
        return call.fail(rc, {wanted});
    }
    return rc == code::kSuccess ? call.succeed() : call.fail(rc);
}

int openScan(char* path, unsigned short* handle, unsigned short* count, sqlca* ca) {
    ApiCall call("sqledosd_api", ca, CallKind::kAdmin, Access::kRead);
    call.text("pPath", path).ptr("pHandle", handle).ptr("pNumEntries", count);
    int rc = 0;
    if (!openScanAllowed(call, handle, count, rc)) {
        return rc;
    }
    if (path != nullptr && *path != '\0') {
        // Only the system database directory exists; a local one on a path does not.
        return call.fail(code::kNoDatabaseDirectory);
    }
    Manager& manager = Manager::get();
    DbListing listing{call.instance().home().path(), clientRelease(call.instance().product())};
    rc = manager.directories().databases().open(manager.databases(), listing, *handle, *count);
    return openScanDone(call, rc, *handle, *count);
}

int instanceName(char* buffer, sqlca* ca) {
    ApiCall call("sqlegins_api", ca, CallKind::kAdmin, Access::kRead);
    call.ptr("pInstance", buffer);
    if (!call.proceed()) {
        return call.rc();
    }
    if (buffer == nullptr) {
        return call.fail(code::kInvalidBufferPointer);
    }
    // The caller's buffer holds at least nine bytes: the name and its terminator.
    putTerminated(buffer, SQL_INSTNAME_SZ + 1, upperCase(call.instance().name()));
    return call.succeed();
}

}  // namespace
}  // namespace db2sim

using db2sim::guarded;

DB2SIM_EXPORT int sqlecadb_api(char* pDbName, char* pDbAlias, unsigned char Type, char* pNodeName,
                               char* pPath, char* pComment, unsigned short Authentication,
                               char* pPrincipal, sqlca* pSqlca) {
    return guarded([&] {
        db2sim::ApiCall call("sqlecadb_api", pSqlca);
        call.text("pDbName", pDbName).text("pDbAlias", pDbAlias).num("Type", Type);
        call.text("pNodeName", pNodeName).text("pPath", pPath).text("pComment", pComment);
        call.num("Authentication", Authentication).text("pPrincipal", pPrincipal);
        if (!call.proceed()) {
            return call.rc();
        }
        if (pDbName == nullptr) {
            return call.fail(db2sim::code::kInvalidDbNamePointer);
        }
        db2sim::DbCatalogRequest request{
            db2sim::name(pDbName),
            db2sim::name(pDbAlias),
            db2sim::name(pNodeName),
            db2sim::readParameter(pPath, db2sim::kMaxTextParameter),
            db2sim::readParameter(pComment, db2sim::kMaxTextParameter),
            db2sim::readParameter(pPrincipal, db2sim::kMaxTextParameter),
            Type,
            Authentication};
        return db2sim::catalogDatabase(request, call);
    });
}

DB2SIM_EXPORT int sqleuncd_api(char* pDbAlias, sqlca* pSqlca) {
    return guarded([&] { return db2sim::uncatalogDatabase(pDbAlias, pSqlca); });
}

DB2SIM_EXPORT int sqledosd_api(char* pPath, unsigned short* pHandle, unsigned short* pNumEntries,
                               sqlca* pSqlca) {
    return guarded([&] { return db2sim::openScan(pPath, pHandle, pNumEntries, pSqlca); });
}

DB2SIM_EXPORT int sqledgne_api(unsigned short Handle, sqledinfo** ppDbDirEntry, sqlca* pSqlca) {
    return guarded([&] {
        return db2sim::nextScanEntry("sqledgne_api", &db2sim::Directories::databases,
                                     "ppDbDirEntry", Handle, ppDbDirEntry, pSqlca);
    });
}

DB2SIM_EXPORT int sqledcls_api(unsigned short Handle, sqlca* pSqlca) {
    return guarded([&] {
        return db2sim::closeScan("sqledcls_api", &db2sim::Directories::databases, Handle, pSqlca);
    });
}

DB2SIM_EXPORT int sqlegins_api(char* pInstance, sqlca* pSqlca) {
    return guarded([&] { return db2sim::instanceName(pInstance, pSqlca); });
}
