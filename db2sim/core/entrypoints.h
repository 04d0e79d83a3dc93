// Every entry point the stand-in exports, declared from the library's own function types: a
// definition that drifts from its type no longer compiles. The name lists also drive the
// control interface, which refuses faults for names that are not entry points.
#pragma once

#include <string>

#include "db2api/db2entrypoints.h"

// Entry points with their own argument lists, by area.
// clang-format off
#define DB2SIM_PLAIN_ENTRY_POINTS(X)                                                           \
    /* contexts, memory and messages */                                                        \
    X(sqleSetTypeCtx) X(sqleBeginCtx) X(sqleAttachToCtx) X(sqleDetachFromCtx)                  \
    X(sqleGetCurrentCtx) X(sqleEndCtx) X(sqlefmem_api) X(sqlaintp_api)                         \
    /* instance attachment and CLI */                                                          \
    X(sqleatin_api) X(sqledtin_api) X(sqlesetc_api) X(SQLAllocHandle) X(SQLSetEnvAttr)         \
    X(SQLSetConnectAttr) X(SQLConnect) X(SQLGetInfo) X(SQLDisconnect) X(SQLFreeHandle)         \
    X(SQLEndTran)                                                                              \
    /* configuration */                                                                        \
    X(sqlfrsys) X(sqlfrdb)                                                                     \
    /* directories */                                                                          \
    X(sqlecadb_api) X(sqleuncd_api) X(sqledosd_api) X(sqledgne_api) X(sqledcls_api)            \
    X(sqlegins_api) X(sqlectnd_api) X(sqleuncn_api) X(sqlenops_api) X(sqlengne_api)            \
    X(sqlencls_api) X(sqlegdad_api) X(sqlegdel_api) X(sqlegdsc_api) X(sqlegdgt_api)            \
    X(sqlegdcl_api)                                                                            \
    /* databases and the instance */                                                           \
    X(sqlecrea_api) X(sqledrpd_api) X(sqlepstart_api) X(sqlepstp) X(sqle_activate_db_api)      \
    X(sqle_deactivate_db_api) X(sqlemgdb_api) X(sqledcgd_api) X(sqleaddn_api)                  \
    X(sqledrpn_api) X(sqludrdt_api)                                                            \
    /* data movement, backup and recovery, maintenance */                                      \
    X(sqluimpr_api) X(sqluvqdp) X(sqlbstsc) X(sqlurcon) X(sqlabndx) X(sqlarbnd) X(sqlaprep)    \
    /* monitoring */                                                                           \
    X(sqlefrce_api) X(sqlbmtsq) X(sqlbgtss) X(sqlbtcq) X(sqlxphqr) X(sqlcspqy)
// clang-format on

#define DB2SIM_DECLARE_PLAIN(name) extern "C" db2::fn::name name;
#define DB2SIM_DECLARE_VERSIONED(name) extern "C" db2::fn::Versioned name;
DB2SIM_PLAIN_ENTRY_POINTS(DB2SIM_DECLARE_PLAIN)
DB2_VERSIONED_ENTRY_POINTS(DB2SIM_DECLARE_VERSIONED)
#undef DB2SIM_DECLARE_PLAIN
#undef DB2SIM_DECLARE_VERSIONED

namespace db2sim {

// True when `name` is the exported name of an entry point (plain or versioned).
bool isEntryPoint(const std::string& name);

}  // namespace db2sim
