// Exports of every db2* entry point (version number, parameter structure, sqlca). Each call is
// journalled and faulted here, then handed to the area that registered for it.
#include "db2sim/core/apicall.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/versionedregistry.h"

namespace db2sim {
namespace {

int dispatch(const char* entry, db2Uint32 version, void* parms, sqlca* ca) {
    VersionedEntry found = VersionedRegistry::get().find(entry);
    ApiCall call(entry, ca, CallKind::kAdmin, found.access);
    call.num("versionNumber", version).ptr("pParmStruct", parms);
    if (!call.proceed()) {
        return call.rc();
    }
    return found.handler == nullptr ? call.unsupported() : found.handler(call, version, parms);
}

}  // namespace
}  // namespace db2sim

// The variant library (DB2SIM_VARIANT_ABSENT) leaves db2CfgGet out of the exports, so the
// library's "entry point missing" path can be tested. The preprocessor picks the linkage per
// name: DB2SIM_ABSENT_<name> exists only for the names the variant drops.
#if DB2SIM_VARIANT_ABSENT
#define DB2SIM_ABSENT_db2CfgGet ~, 1
#endif
#define DB2SIM_SECOND(a, b, ...) b
#define DB2SIM_PROBE(...) DB2SIM_SECOND(__VA_ARGS__, 0, 0)
#define DB2SIM_IS_ABSENT(name) DB2SIM_PROBE(DB2SIM_ABSENT_##name)
#define DB2SIM_JOIN(a, b) DB2SIM_JOIN_(a, b)
#define DB2SIM_JOIN_(a, b) a##b
#define DB2SIM_LINKAGE_0 DB2SIM_EXPORT
#define DB2SIM_LINKAGE_1 DB2SIM_HIDDEN
#define DB2SIM_LINKAGE(name) DB2SIM_JOIN(DB2SIM_LINKAGE_, DB2SIM_IS_ABSENT(name))

#define DB2SIM_DEFINE_VERSIONED(name)                                                          \
    DB2SIM_LINKAGE(name) int name(db2Uint32 versionNumber, void* pParmStruct, sqlca* pSqlca) { \
        return db2sim::guarded(                                                                \
            [&] { return db2sim::dispatch(#name, versionNumber, pParmStruct, pSqlca); });      \
    }                                                                                          \
    DB2SIM_CHECK_VERSIONED(name)

DB2_VERSIONED_ENTRY_POINTS(DB2SIM_DEFINE_VERSIONED)
