// Database state and partition commands: quiesce, restart, add and drop partition,
// redistribution. Callers zero each structure before filling it, so fields that later releases
// append read as "not asked for".
#pragma once

#include <cstddef>

#include "db2api/db2types.h"
#include "db2api/structs/pins.h"

// db2DatabaseQuiesce.
struct db2DbQuiesceStruct {
    char* piDatabaseName;
    db2Uint32 iImmediate;  // 1: now; 0: wait for applications to finish (defer)
    db2Uint32 iForce;
    db2Uint32 iTimeout;  // minutes
};
DB2_PIN_OFFSET(db2DbQuiesceStruct, iImmediate, sizeof(char*));
DB2_PIN_SIZE_BY_MODEL(db2DbQuiesceStruct, 16, 24);

// db2DatabaseUnquiesce.
struct db2DbUnquiesceStruct {
    char* piDatabaseName;
};
DB2_PIN_SIZE(db2DbUnquiesceStruct, sizeof(char*));

// db2InstanceQuiesce. iQOptions is a later addition; an older client never reads it.
struct db2InsQuiesceStruct {
    char* piInstanceName;
    char* piUserId;
    char* piGroupId;
    db2Uint32 iImmediate;
    db2Uint32 iForce;
    db2Uint32 iTimeout;
    db2Uint32 iQOptions;
};
DB2_PIN_OFFSET(db2InsQuiesceStruct, iImmediate, 3 * sizeof(char*));
DB2_PIN_SIZE_BY_MODEL(db2InsQuiesceStruct, 28, 40);

// db2InstanceUnquiesce.
struct db2InsUnquiesceStruct {
    char* piInstanceName;
};
DB2_PIN_SIZE(db2InsUnquiesceStruct, sizeof(char*));

// db2DatabaseRestart (same layout for version 7010000 and 8010000).
struct db2RestartDbStruct {
    char* piDatabaseName;
    char* piUserId;
    char* piPassword;
    char* piTablespaceNames;  // comma list of table spaces to drop at restart, or null
    db2int32 iOption;
};
DB2_PIN_OFFSET(db2RestartDbStruct, iOption, 4 * sizeof(char*));
DB2_PIN_SIZE_BY_MODEL(db2RestartDbStruct, 20, 40);
constexpr db2int32 DB2_DB_SUSPEND_NONE = 0;
constexpr db2int32 DB2_DB_RESUME_WRITE = 1;

// sqleaddn. sqladdid is 8 characters with no terminator.
constexpr std::size_t SQLE_ADDN_OPTIONS_ID_SZ = 8;
constexpr char SQLE_ADDOPTID_V51[] = "SQLADD01";
static_assert(sizeof(SQLE_ADDOPTID_V51) == SQLE_ADDN_OPTIONS_ID_SZ + 1, "SQLADD01 length");
struct sqle_addn_options {
    char sqladdid[SQLE_ADDN_OPTIONS_ID_SZ];
    sqluint32 tblspace_type;
    SQL_PDB_NODE_TYPE tblspace_node;  // used with SQLE_TABLESPACES_LIKE_NODE
};
DB2_PIN_SIZE(sqle_addn_options, 16);
DB2_PIN_OFFSET(sqle_addn_options, tblspace_type, 8);
DB2_PIN_OFFSET(sqle_addn_options, tblspace_node, 12);
constexpr sqluint32 SQLE_TABLESPACES_NONE = 0;
constexpr sqluint32 SQLE_TABLESPACES_LIKE_NODE = 1;
constexpr sqluint32 SQLE_TABLESPACES_LIKE_CATALOG = 2;

// sqledrpn action.
constexpr sqluint16 SQL_DROPNODE_VERIFY = 1;

// sqludrdt redistribution option letters.
constexpr unsigned char SQLUD_UNIFORM = 'U';
constexpr unsigned char SQLUD_TARGETMAP = 'T';
constexpr unsigned char SQLUD_CONTINUE = 'C';
constexpr unsigned char SQLUD_ROLLBACK = 'R';
