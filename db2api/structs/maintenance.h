// Maintenance utilities: statistics (db2Runstats), reorganisation (db2Reorg), inspection
// (db2Inspect), the option blocks of bind, rebind and precompile (sqlabndx, sqlarbnd, sqlaprep)
// and utility control (db2UtilityControl). Version 9 layouts. Callers zero each structure before
// filling it, so fields a later release appends read as "not asked for".
#pragma once

#include <cstddef>

#include "db2api/db2types.h"
#include "db2api/structs/pins.h"

// ---------------------------------------------------------------------------------------------
// db2Runstats.

// One column to collect statistics for.
struct db2ColumnData {
    unsigned char* piColumnName;
    db2int16 iColumnFlags;  // DB2RUNSTATS_COLUMN_LIKE_STATS or 0
};
DB2_PIN_OFFSET(db2ColumnData, iColumnFlags, sizeof(void*));
DB2_PIN_SIZE_BY_MODEL(db2ColumnData, 8, 16);

// One column to collect distribution statistics for.
struct db2ColumnDistData {
    unsigned char* piColumnName;
    db2int16 iNumFreqValues;  // -1: the table's default
    db2int16 iNumQuantiles;   // -1: the table's default
};
DB2_PIN_OFFSET(db2ColumnDistData, iNumFreqValues, sizeof(void*));
DB2_PIN_OFFSET(db2ColumnDistData, iNumQuantiles, sizeof(void*) + 2);
DB2_PIN_SIZE_BY_MODEL(db2ColumnDistData, 8, 16);

// A group of columns whose statistics are collected together.
struct db2ColumnGrpData {
    unsigned char** piGroupColumnNames;  // iGroupSize names
    db2int16 iGroupSize;
    db2int16 iNumFreqValues;
    db2int16 iNumQuantiles;
};
DB2_PIN_OFFSET(db2ColumnGrpData, iGroupSize, sizeof(void*));
DB2_PIN_OFFSET(db2ColumnGrpData, iNumQuantiles, sizeof(void*) + 4);
DB2_PIN_SIZE_BY_MODEL(db2ColumnGrpData, 12, 16);

struct db2RunstatsData {
    double iSamplingOption;  // percentage of rows (pages with DB2RUNSTATS_SAMPLING_SYSTEM)
    unsigned char* piTablename;
    db2ColumnData** piColumnList;
    db2ColumnDistData** piColumnDistributionList;
    db2ColumnGrpData** piColumnGroupList;
    unsigned char** piIndexList;
    db2Uint32 iRunstatsFlags;
    db2int16 iNumColumns;
    db2int16 iNumColdist;
    db2int16 iNumColGroups;
    db2int16 iNumIndexes;
    db2int16 iParallelismOption;
    db2int16 iTableDefaultFreqValues;
    db2int16 iTableDefaultQuantiles;
    db2Uint32 iSamplingRepeatable;
    db2Uint32 iUtilImpactPriority;
};
// i386 aligns a double inside a structure to 4 bytes.
DB2_PIN_OFFSET(db2RunstatsData, piTablename, 8);
DB2_PIN_OFFSET_BY_MODEL(db2RunstatsData, piIndexList, 24, 40);
DB2_PIN_OFFSET_BY_MODEL(db2RunstatsData, iRunstatsFlags, 28, 48);
DB2_PIN_OFFSET_BY_MODEL(db2RunstatsData, iNumColumns, 32, 52);
DB2_PIN_OFFSET_BY_MODEL(db2RunstatsData, iTableDefaultQuantiles, 44, 64);
DB2_PIN_OFFSET_BY_MODEL(db2RunstatsData, iSamplingRepeatable, 48, 68);
DB2_PIN_OFFSET_BY_MODEL(db2RunstatsData, iUtilImpactPriority, 52, 72);
DB2_PIN_SIZE_BY_MODEL(db2RunstatsData, 56, 80);

// iRunstatsFlags.
constexpr db2Uint32 DB2RUNSTATS_ALL_COLUMNS = 0x1;
constexpr db2Uint32 DB2RUNSTATS_KEY_COLUMNS = 0x2;
constexpr db2Uint32 DB2RUNSTATS_ALL_INDEXES = 0x4;
constexpr db2Uint32 DB2RUNSTATS_DISTRIBUTION = 0x8;
constexpr db2Uint32 DB2RUNSTATS_EXT_INDEX = 0x10;
constexpr db2Uint32 DB2RUNSTATS_EXT_INDEX_SAMPLED = 0x20;
constexpr db2Uint32 DB2RUNSTATS_USE_PROFILE = 0x40;
constexpr db2Uint32 DB2RUNSTATS_SET_PROFILE = 0x80;
constexpr db2Uint32 DB2RUNSTATS_SET_PROFILE_ONLY = 0x100;
constexpr db2Uint32 DB2RUNSTATS_ALLOW_READ = 0x200;
constexpr db2Uint32 DB2RUNSTATS_UPDATE_PROFILE = 0x800;
constexpr db2Uint32 DB2RUNSTATS_UPDATE_PROFILE_ONLY = 0x1000;
constexpr db2Uint32 DB2RUNSTATS_SAMPLING_SYSTEM = 0x2000;
constexpr db2Uint32 DB2RUNSTATS_SAMPLING_REPEAT = 0x4000;
constexpr db2Uint32 DB2RUNSTATS_EXCLUDING_XML = 0x8000;
// iColumnFlags.
constexpr db2int16 DB2RUNSTATS_COLUMN_LIKE_STATS = 0x1;
// Counts and defaults.
constexpr db2int16 DB2RUNSTATS_DEFAULT = -1;  // frequency or quantile count: the default
constexpr db2Uint32 DB2RUNSTATS_MAX_PRIORITY = 100;

// ---------------------------------------------------------------------------------------------
// db2Reorg.

struct db2ReorgTable {
    char* pTableName;
    char* pOrderByIndex;
    char* pSysTempSpace;
    char* pLongTempSpace;  // read from 9000000 on
};
DB2_PIN_SIZE(db2ReorgTable, 4 * sizeof(char*));

struct db2ReorgIndexesAll {
    char* pTableName;
    char* pIndexName;  // read from 9000000 on
};
DB2_PIN_SIZE(db2ReorgIndexesAll, 2 * sizeof(char*));

union db2ReorgObject {
    db2ReorgTable tableStruct;
    db2ReorgIndexesAll indexesAllStruct;
};

struct db2ReorgStruct {
    db2Uint32 reorgType;
    db2Uint32 reorgFlags;
    db2int32 nodeListFlag;
    db2Uint32 numNodes;
    SQL_PDB_NODE_TYPE* pNodeList;
    db2ReorgObject reorgObject;
};
DB2_PIN_OFFSET(db2ReorgStruct, numNodes, 12);
DB2_PIN_OFFSET(db2ReorgStruct, pNodeList, 16);
DB2_PIN_OFFSET_BY_MODEL(db2ReorgStruct, reorgObject, 20, 24);
DB2_PIN_SIZE_BY_MODEL(db2ReorgStruct, 36, 56);

// reorgType.
constexpr db2Uint32 DB2REORG_OBJ_TABLE_OFFLINE = 1;
constexpr db2Uint32 DB2REORG_OBJ_TABLE_INPLACE = 2;
constexpr db2Uint32 DB2REORG_OBJ_INDEXESALL = 4;
constexpr db2Uint32 DB2REORG_OBJ_INDEX = 8;  // from 9000000 on
// reorgFlags.
constexpr db2Uint32 DB2REORG_LONGLOB = 0x1;
constexpr db2Uint32 DB2REORG_INDEXSCAN = 0x4;
constexpr db2Uint32 DB2REORG_ALLOW_NONE = 0x8;
constexpr db2Uint32 DB2REORG_RESET_DICTIONARY = 0x10;
constexpr db2Uint32 DB2REORG_KEEP_DICTIONARY = 0x20;
constexpr db2Uint32 DB2REORG_START_ONLINE = 0x10000;
constexpr db2Uint32 DB2REORG_PAUSE_ONLINE = 0x20000;
constexpr db2Uint32 DB2REORG_STOP_ONLINE = 0x40000;
constexpr db2Uint32 DB2REORG_RESUME_ONLINE = 0x80000;
constexpr db2Uint32 DB2REORG_NOTRUNCATE_ONLINE = 0x100000;
constexpr db2Uint32 DB2REORG_CLEANUP_NONE = 0x400000;
constexpr db2Uint32 DB2REORG_CLEANUP_ALL = 0x800000;
constexpr db2Uint32 DB2REORG_CLEANUP_PAGES = 0x1000000;
constexpr db2Uint32 DB2REORG_CONVERT_NONE = 0x2000000;
constexpr db2Uint32 DB2REORG_CONVERT = 0x4000000;
constexpr db2Uint32 DB2REORG_ALLOW_WRITE = 0x10000000;
constexpr db2Uint32 DB2REORG_ALLOW_READ = 0x20000000;
// nodeListFlag.
constexpr db2int32 DB2REORG_NODE_LIST = 0;
constexpr db2int32 DB2REORG_ALL_NODES = 1;
constexpr db2int32 DB2REORG_ALL_EXCEPT = 2;

// ---------------------------------------------------------------------------------------------
// db2Inspect.

struct db2InspectStruct {
    char* piTablespaceName;
    char* piTableName;
    char* piSchemaName;
    char* piResultsName;
    char* piDataFileName;
    SQL_PDB_NODE_TYPE* piNodeList;
    db2Uint32 iAction;
    db2int32 iTablespaceID;
    db2int32 iObjectID;
    db2Uint32 iFirstPage;
    db2Uint32 iNumberOfPages;
    db2Uint32 iFormatType;
    db2Uint32 iOptions;
    db2Uint32 iBeginCheckOption;
    db2int32 iLimitErrorReported;
    db2Uint16 iObjectErrorState;
    db2Uint16 iCatalogToTablespace;
    db2Uint16 iKeepResultfile;
    db2Uint16 iAllNodeFlag;
    db2Uint16 iNumNodes;
    db2Uint16 iLevelObjectData;
    db2Uint16 iLevelObjectIndex;
    db2Uint16 iLevelObjectLong;
    db2Uint16 iLevelObjectLOB;
    db2Uint16 iLevelObjectBlkMap;
    db2Uint16 iLevelExtentMap;
};
DB2_PIN_OFFSET_BY_MODEL(db2InspectStruct, iAction, 24, 48);
DB2_PIN_OFFSET_BY_MODEL(db2InspectStruct, iLimitErrorReported, 56, 80);
DB2_PIN_OFFSET_BY_MODEL(db2InspectStruct, iObjectErrorState, 60, 84);
DB2_PIN_OFFSET_BY_MODEL(db2InspectStruct, iNumNodes, 68, 92);
DB2_PIN_OFFSET_BY_MODEL(db2InspectStruct, iLevelExtentMap, 80, 104);
DB2_PIN_SIZE_BY_MODEL(db2InspectStruct, 84, 112);

// iAction.
constexpr db2Uint32 DB2INSPECT_ACT_CHECK_DB = 3;
constexpr db2Uint32 DB2INSPECT_ACT_CHECK_TABSPACE = 4;
constexpr db2Uint32 DB2INSPECT_ACT_CHECK_TABLE = 5;
// iBeginCheckOption.
constexpr db2Uint32 DB2INSPECT_BEGIN_TOP = 0;
constexpr db2Uint32 DB2INSPECT_BEGIN_TSPID = 1;
constexpr db2Uint32 DB2INSPECT_BEGIN_OBJID = 2;
constexpr db2Uint32 DB2INSPECT_BEGIN_TSPID_OBJID = 3;
// iLimitErrorReported.
constexpr db2int32 DB2INSPECT_LIMIT_ERROR_DEFAULT = 0;
constexpr db2int32 DB2INSPECT_LIMIT_ERROR_ALL = -1;
// iAllNodeFlag (named apart from the backup flags of the same values).
constexpr db2Uint16 DB2INSPECT_NODE_LIST = 0;
constexpr db2Uint16 DB2INSPECT_ALL_NODES = 1;
constexpr db2Uint16 DB2INSPECT_ALL_EXCEPT = 2;
// Processing levels of each object kind.
constexpr db2Uint16 DB2INSPECT_LEVEL_NORMAL = 0;
constexpr db2Uint16 DB2INSPECT_LEVEL_LOW = 1;
constexpr db2Uint16 DB2INSPECT_LEVEL_NONE = 0x4000;

// ---------------------------------------------------------------------------------------------
// Bind, rebind and precompile options: a header and `allocated` (type, value) pairs of which the
// first `used` count. A value is a number or the address of a text: a 16-bit length in machine
// order, the characters and a NUL. Values are pointer-sized, so size a block with
// offsetof(sqlopt, option) + n * sizeof(sqloptions).

struct sqloptheader {
    sqluint32 allocated;
    sqluint32 used;
};
DB2_PIN_SIZE(sqloptheader, 8);

struct sqloptions {
    sqluint32 type;
    sqluintptr val;
};
DB2_PIN_OFFSET_BY_MODEL(sqloptions, val, 4, 8);
DB2_PIN_SIZE_BY_MODEL(sqloptions, 8, 16);

struct sqlopt {
    sqloptheader header;
    sqloptions option[1];
};
DB2_PIN_OFFSET(sqlopt, option, 8);
DB2_PIN_SIZE_BY_MODEL(sqlopt, 16, 24);

// Option types.
constexpr sqluint32 SQL_DATETIME_OPT = 1;
constexpr sqluint32 SQL_STANDARDS_OPT = 2;  // language level
constexpr sqluint32 SQL_ISO_OPT = 4;        // isolation
constexpr sqluint32 SQL_BLOCK_OPT = 5;
constexpr sqluint32 SQL_GRANT_OPT = 6;
constexpr sqluint32 SQL_FLAG_OPT = 8;
constexpr sqluint32 SQL_GRANT_USER_OPT = 9;
constexpr sqluint32 SQL_GRANT_GROUP_OPT = 10;
constexpr sqluint32 SQL_GENERIC_OPT = 12;
constexpr sqluint32 SQL_DEFERRED_PREPARE_OPT = 15;
constexpr sqluint32 SQL_CONNECT_OPT = 16;
constexpr sqluint32 SQL_RULES_OPT = 17;
constexpr sqluint32 SQL_DISCONNECT_OPT = 18;
constexpr sqluint32 SQL_SYNCPOINT_OPT = 19;
constexpr sqluint32 SQL_BIND_OPT = 20;  // precompile: the bind file to write
constexpr sqluint32 SQL_SAA_OPT = 21;   // SQLCA
constexpr sqluint32 SQL_PKG_OPT = 23;   // precompile: the package to create
constexpr sqluint32 SQL_OPTIM_OPT = 24;
constexpr sqluint32 SQL_SYNTAX_OPT = 25;  // the same type as SQL_SQLERROR_OPT
constexpr sqluint32 SQL_SQLERROR_OPT = 25;
constexpr sqluint32 SQL_LINEMACRO_OPT = 26;
constexpr sqluint32 SQL_LEVEL_OPT = 30;
constexpr sqluint32 SQL_COLLECTION_OPT = 31;
constexpr sqluint32 SQL_VERSION_OPT = 32;
constexpr sqluint32 SQL_OWNER_OPT = 33;
constexpr sqluint32 SQL_SCHEMA_OPT = 34;  // qualifier
constexpr sqluint32 SQL_VALIDATE_OPT = 40;
constexpr sqluint32 SQL_EXPLAIN_OPT = 41;
constexpr sqluint32 SQL_ACTION_OPT = 42;
constexpr sqluint32 SQL_REPLVER_OPT = 44;
constexpr sqluint32 SQL_RETAIN_OPT = 45;
constexpr sqluint32 SQL_DEGREE_OPT = 47;
constexpr sqluint32 SQL_WCHAR_OPT = 60;
constexpr sqluint32 SQL_DYNAMICRULES_OPT = 61;
constexpr sqluint32 SQL_INSERT_OPT = 62;
constexpr sqluint32 SQL_EXPLSNAP_OPT = 63;
constexpr sqluint32 SQL_FUNCTION_PATH = 64;
constexpr sqluint32 SQL_SQLWARN_OPT = 65;
constexpr sqluint32 SQL_QUERYOPT_OPT = 66;
constexpr sqluint32 SQL_TARGET_OPT = 67;
constexpr sqluint32 SQL_PREP_OUTPUT_OPT = 68;
constexpr sqluint32 SQL_PREPROCESSOR_OPT = 69;
constexpr sqluint32 SQL_RESOLVE_OPT = 70;
constexpr sqluint32 SQL_CLIPKG_OPT = 71;
constexpr sqluint32 SQL_FEDERATED_OPT = 72;
constexpr sqluint32 SQL_TRANSFORMGROUP_OPT = 73;
constexpr sqluint32 SQL_LONGERROR_OPT = 74;
constexpr sqluint32 SQL_REOPT_OPT = 83;
constexpr sqluint32 SQL_CALL_RES_OPT = 85;
constexpr sqluint32 SQL_STATICREADONLY_OPT = 87;

// SQL_ACTION_OPT values.
constexpr sqluintptr SQL_ACTION_ADD = 1;
constexpr sqluintptr SQL_ACTION_REPLACE = 2;

// ---------------------------------------------------------------------------------------------
// db2UtilityControl.

struct db2UtilityControlStruct {
    db2Uint32 iID;         // the utility's id, as LIST UTILITIES shows it
    db2Uint32 iAttribute;  // DB2UTILCTRL_PRIORITY_ATTRIB
    void* pioValue;        // the attribute's value: a db2Uint32 priority
};
DB2_PIN_OFFSET(db2UtilityControlStruct, pioValue, 8);
DB2_PIN_SIZE_BY_MODEL(db2UtilityControlStruct, 12, 16);

constexpr db2Uint32 DB2UTILCTRL_PRIORITY_ATTRIB = 1;
