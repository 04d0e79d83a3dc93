// The DCS directory's entry points: sqlegdad_api, sqlegdel_api, sqlegdsc_api, sqlegdgt_api and
// sqlegdcl_api.
#include <string>

#include "db2sim/core/apicall.h"
#include "db2sim/directory/directoriescodes.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"

DB2SIM_CHECK_TYPE(sqlegdad_api);
DB2SIM_CHECK_TYPE(sqlegdel_api);
DB2SIM_CHECK_TYPE(sqlegdsc_api);
DB2SIM_CHECK_TYPE(sqlegdgt_api);
DB2SIM_CHECK_TYPE(sqlegdcl_api);

namespace db2sim {
namespace {

std::string localName(const sql_dir_entry* entry) {
    std::string ldb;
    if (entry == nullptr || !readTerminated(entry->ldb, sizeof(entry->ldb), ldb)) {
        return std::string();
    }
    return withoutTrailingBlanks(ldb);
}

// Journals an inbound entry and runs a change of the directory on it.
template <class Change>
int change(const char* entry, sql_dir_entry* in, sqlca* ca, Change&& run) {
    ApiCall call(entry, ca);
    call.ptr("pDCSDirEntry", in);
    std::string ldb = localName(in);
    if (in != nullptr) {
        call.num("struct_id", in->struct_id).text("ldb", ldb.c_str());
    }
    if (!call.proceed()) {
        return call.rc();
    }
    int rc = run(Manager::get().directories().dcs(), call.instance().home());
    if (rc == code::kDuplicateDcsEntry || rc == code::kDcsEntryNotFound ||
        rc == code::kInvalidLocalDatabase) {
        return call.fail(rc, {ldb});
    }
    return rc == code::kSuccess ? call.succeed() : call.fail(rc);
}

int openScan(short* count, sqlca* ca) {
    ApiCall call("sqlegdsc_api", ca);
    call.ptr("pNumEntries", count);
    if (!call.proceed()) {
        return call.rc();
    }
    if (count == nullptr) {
        return call.fail(code::kInvalidCountPointer);
    }
    int rc = Manager::get().directories().dcs().open(*count);
    call.num("*pNumEntries", *count);
    return rc != code::kSuccess ? call.fail(rc) : call.succeed();
}

int fetchEntries(short* count, sql_dir_entry* entries, sqlca* ca) {
    ApiCall call("sqlegdgt_api", ca);
    call.ptr("pNumEntries", count).ptr("pDCSDirEntries", entries);
    if (count != nullptr) {
        call.num("*pNumEntries", *count);
    }
    if (!call.proceed()) {
        return call.rc();
    }
    if (count == nullptr) {
        return call.fail(code::kInvalidCountPointer);
    }
    if (entries == nullptr) {
        return call.fail(code::kInvalidDcsEntryPointer);
    }
    int rc = Manager::get().directories().dcs().fetch(*count, entries);
    return rc != code::kSuccess ? call.fail(rc) : call.succeed();
}

int closeScan(sqlca* ca) {
    ApiCall call("sqlegdcl_api", ca);
    if (!call.proceed()) {
        return call.rc();
    }
    int rc = Manager::get().directories().dcs().close();
    return rc == code::kSuccess ? call.succeed() : call.fail(rc);
}

}  // namespace
}  // namespace db2sim

using db2sim::guarded;

DB2SIM_EXPORT int sqlegdad_api(sql_dir_entry* pDCSDirEntry, sqlca* pSqlca) {
    return guarded([&] {
        return db2sim::change("sqlegdad_api", pDCSDirEntry, pSqlca,
                              [&](db2sim::DcsDirectory& dcs, db2sim::StateHome& home) {
                                  return dcs.catalog(pDCSDirEntry, home);
                              });
    });
}

DB2SIM_EXPORT int sqlegdel_api(sql_dir_entry* pDCSDirEntry, sqlca* pSqlca) {
    return guarded([&] {
        return db2sim::change("sqlegdel_api", pDCSDirEntry, pSqlca,
                              [&](db2sim::DcsDirectory& dcs, db2sim::StateHome& home) {
                                  return dcs.uncatalog(pDCSDirEntry, home);
                              });
    });
}

DB2SIM_EXPORT int sqlegdsc_api(short* pNumEntries, sqlca* pSqlca) {
    return guarded([&] { return db2sim::openScan(pNumEntries, pSqlca); });
}

DB2SIM_EXPORT int sqlegdgt_api(short* pNumEntries, sql_dir_entry* pDCSDirEntries, sqlca* pSqlca) {
    return guarded([&] { return db2sim::fetchEntries(pNumEntries, pDCSDirEntries, pSqlca); });
}

DB2SIM_EXPORT int sqlegdcl_api(sqlca* pSqlca) {
    return guarded([&] { return db2sim::closeScan(pSqlca); });
}
