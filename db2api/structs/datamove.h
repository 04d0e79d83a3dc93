// Data movement: import, export, load and load query (db2Import, sqluimpr, db2Export, db2Load,
// db2LoadQuery). Layouts are those of the version 9 client; fields a later release appended sit
// at the end of their structure, and callers zero each structure before filling it, so a field
// the library does not use reads as "not asked for". Media lists, counted strings, db2Char and
// partition lists come from media.h.
#pragma once

#include <cstddef>

#include "db2api/db2types.h"
#include "db2api/structs/media.h"
#include "db2api/structs/pins.h"

// ---------------------------------------------------------------------------------------------
// Column selection (sqldcol): which columns of the file or of the result go where.

// dcolmeth: names, positions, locations, default order.
constexpr sqlint16 SQL_METH_N = 78;
constexpr sqlint16 SQL_METH_P = 80;
constexpr sqlint16 SQL_METH_L = 76;
constexpr sqlint16 SQL_METH_D = 68;

// One column entry. Names: dcolnptr → dcolnlen bytes of the name (no terminator needed).
// Positions: dcolnlen is the position, dcolnptr unused. Locations: only dcolname[0].dcolnptr is
// used, pointing at an sqlloctab of dcolnum pairs.
struct sqldcoln {
    sqlint16 dcolnlen;
    char* dcolnptr;
};
DB2_PIN_OFFSET_BY_MODEL(sqldcoln, dcolnptr, 4, 8);
DB2_PIN_SIZE_BY_MODEL(sqldcoln, 8, 16);

// Descriptor header followed by dcolnum entries in one block. Size a block with
// offsetof(sqldcol, dcolname) + n * sizeof(sqldcoln) (never less than sizeof(sqldcol)).
struct sqldcol {
    sqlint16 dcolmeth;
    sqlint16 dcolnum;
    sqldcoln dcolname[1];
};
DB2_PIN_OFFSET(sqldcol, dcolnum, 2);
DB2_PIN_OFFSET_BY_MODEL(sqldcol, dcolname, 4, 8);
DB2_PIN_SIZE_BY_MODEL(sqldcol, 12, 24);

// A column's first and last byte in a fixed-width (ASC) record, counted from 1. A pair of zeros
// fills a nullable column with NULL.
struct sqllocpair {
    sqlint16 begin_loc;
    sqlint16 end_loc;
};
DB2_PIN_OFFSET(sqllocpair, end_loc, 2);
DB2_PIN_SIZE(sqllocpair, 4);

// The location table: dcolnum pairs; size a block with n * sizeof(sqllocpair).
struct sqlloctab {
    sqllocpair locpair[1];
};
DB2_PIN_SIZE(sqlloctab, 4);

// Caller actions shared by the utilities: start a new operation.
constexpr sqlint16 SQLU_INITIAL = 0;

// Access levels (import's iAccessLevel; load's iAccessLevel uses the first two).
constexpr db2Uint16 SQLU_ALLOW_NO_ACCESS = 0;
constexpr db2Uint16 SQLU_ALLOW_READ_ACCESS = 1;
constexpr db2Uint16 SQLU_ALLOW_WRITE_ACCESS = 2;

// ---------------------------------------------------------------------------------------------
// XML parsing and validation (import and load, version 9 and later).

constexpr db2Uint16 DB2DMU_XMLPARSE_PRESERVE_WS = 1;
constexpr db2Uint16 DB2DMU_XMLPARSE_STRIP_WS = 2;

constexpr db2Uint16 DB2DMU_XMLVAL_XDS = 1;
constexpr db2Uint16 DB2DMU_XMLVAL_SCHEMA = 2;
constexpr db2Uint16 DB2DMU_XMLVAL_SCHEMALOC_HINTS = 3;

// One MAP (from, to) pair of a USING XDS validation.
struct db2DMUXmlMapSchema {
    db2Char iMapFromSchema;
    db2Char iMapToSchema;
};
DB2_PIN_OFFSET_BY_MODEL(db2DMUXmlMapSchema, iMapToSchema, 12, 16);
DB2_PIN_SIZE_BY_MODEL(db2DMUXmlMapSchema, 24, 32);

// USING XDS: the default schema, the schemas to ignore and the schema mappings.
struct db2DMUXmlValidateXds {
    db2Char* piDefaultSchema;
    db2Uint32 iNumIgnoreSchemas;
    db2Char* piIgnoreSchemas;  // iNumIgnoreSchemas entries
    db2Uint32 iNumMapSchemas;
    db2DMUXmlMapSchema* piMapSchemas;  // iNumMapSchemas entries
};
DB2_PIN_OFFSET_BY_MODEL(db2DMUXmlValidateXds, iNumIgnoreSchemas, 4, 8);
DB2_PIN_OFFSET_BY_MODEL(db2DMUXmlValidateXds, piIgnoreSchemas, 8, 16);
DB2_PIN_OFFSET_BY_MODEL(db2DMUXmlValidateXds, iNumMapSchemas, 12, 24);
DB2_PIN_OFFSET_BY_MODEL(db2DMUXmlValidateXds, piMapSchemas, 16, 32);
DB2_PIN_SIZE_BY_MODEL(db2DMUXmlValidateXds, 20, 40);

// USING SCHEMA: the one schema every document is validated against.
struct db2DMUXmlValidateSchema {
    db2Char* piSchema;
};
DB2_PIN_SIZE(db2DMUXmlValidateSchema, sizeof(void*));

// XMLVALIDATE: iUsing picks which of the two argument blocks is read (neither for hints).
struct db2DMUXmlValidate {
    db2Uint16 iUsing;
    db2DMUXmlValidateXds* piXdsArgs;
    db2DMUXmlValidateSchema* piSchemaArgs;
};
DB2_PIN_OFFSET_BY_MODEL(db2DMUXmlValidate, piXdsArgs, 4, 8);
DB2_PIN_OFFSET_BY_MODEL(db2DMUXmlValidate, piSchemaArgs, 8, 16);
DB2_PIN_SIZE_BY_MODEL(db2DMUXmlValidate, 12, 24);

// ---------------------------------------------------------------------------------------------
// Import (db2Import; sqluimpr takes the same pieces as separate arguments).

// Where a 32-bit build packs 64-bit members at 4-byte alignment, offsets after them differ.
struct db2ImportIn {
    db2Uint64 iRowcount;
    db2Uint64 iRestartcount;
    db2Uint64 iSkipcount;
    db2int32* piCommitcount;  // -1: automatic commits
    db2Uint32 iWarningcount;
    db2Uint16 iNoTimeout;
    db2Uint16 iAccessLevel;
    db2Uint16* piXmlParse;             // null: no XMLPARSE clause
    db2DMUXmlValidate* piXmlValidate;  // null: no XMLVALIDATE clause
};
DB2_PIN_OFFSET(db2ImportIn, iRestartcount, 8);
DB2_PIN_OFFSET(db2ImportIn, iSkipcount, 16);
DB2_PIN_OFFSET(db2ImportIn, piCommitcount, 24);
DB2_PIN_OFFSET_BY_MODEL(db2ImportIn, iWarningcount, 28, 32);
DB2_PIN_OFFSET_BY_MODEL(db2ImportIn, iNoTimeout, 32, 36);
DB2_PIN_OFFSET_BY_MODEL(db2ImportIn, iAccessLevel, 34, 38);
DB2_PIN_OFFSET_BY_MODEL(db2ImportIn, piXmlParse, 36, 40);
DB2_PIN_OFFSET_BY_MODEL(db2ImportIn, piXmlValidate, 40, 48);
DB2_PIN_SIZE_BY_MODEL(db2ImportIn, 44, 56);

struct db2ImportOut {
    db2Uint64 oRowsRead;
    db2Uint64 oRowsSkipped;
    db2Uint64 oRowsInserted;
    db2Uint64 oRowsUpdated;
    db2Uint64 oRowsRejected;
    db2Uint64 oRowsCommitted;
};
DB2_PIN_OFFSET(db2ImportOut, oRowsCommitted, 40);
DB2_PIN_SIZE(db2ImportOut, 48);

struct db2ImportStruct {
    char* piDataFileName;
    sqlu_media_list* piLobPathList;
    sqldcol* piDataDescriptor;
    sqlchar* piActionString;
    char* piFileType;
    sqlchar* piFileTypeMod;  // null: no modifiers
    char* piMsgFileName;
    db2int16 iCallerAction;
    db2ImportIn* piImportInfoIn;
    db2ImportOut* poImportInfoOut;
    db2int32* piNullIndicators;      // one per column of the descriptor (ASC files)
    sqlu_media_list* piXmlPathList;  // version 9
    sqllob* piLongActionString;      // a later release; unused here
};
DB2_PIN_OFFSET_BY_MODEL(db2ImportStruct, piMsgFileName, 24, 48);
DB2_PIN_OFFSET_BY_MODEL(db2ImportStruct, iCallerAction, 28, 56);
DB2_PIN_OFFSET_BY_MODEL(db2ImportStruct, piImportInfoIn, 32, 64);
DB2_PIN_OFFSET_BY_MODEL(db2ImportStruct, piNullIndicators, 40, 80);
DB2_PIN_OFFSET_BY_MODEL(db2ImportStruct, piXmlPathList, 44, 88);
DB2_PIN_OFFSET_BY_MODEL(db2ImportStruct, piLongActionString, 48, 96);
DB2_PIN_SIZE_BY_MODEL(db2ImportStruct, 52, 104);

// ---------------------------------------------------------------------------------------------
// Export (db2Export).

struct db2ExportIn {
    db2Uint16* piXmlSaveSchema;  // 1: save the XML schema information
};
DB2_PIN_SIZE(db2ExportIn, sizeof(void*));

struct db2ExportOut {
    db2Uint64 oRowsExported;
};
DB2_PIN_SIZE(db2ExportOut, 8);

struct db2ExportStruct {
    char* piDataFileName;
    sqlu_media_list* piLobPathList;  // local media ('L')
    sqlu_media_list* piLobFileList;  // client locations ('C')
    sqldcol* piDataDescriptor;       // 'D' or 'N'
    sqllob* piActionString;          // the SELECT statement
    char* piFileType;
    sqlchar* piFileTypeMod;
    char* piMsgFileName;
    db2int16 iCallerAction;
    db2ExportOut* poExportInfoOut;
    db2ExportIn* piExportInfoIn;     // version 9
    sqlu_media_list* piXmlPathList;  // version 9, local media
    sqlu_media_list* piXmlFileList;  // version 9, client locations
};
DB2_PIN_OFFSET_BY_MODEL(db2ExportStruct, piActionString, 16, 32);
DB2_PIN_OFFSET_BY_MODEL(db2ExportStruct, iCallerAction, 32, 64);
DB2_PIN_OFFSET_BY_MODEL(db2ExportStruct, poExportInfoOut, 36, 72);
DB2_PIN_OFFSET_BY_MODEL(db2ExportStruct, piExportInfoIn, 40, 80);
DB2_PIN_OFFSET_BY_MODEL(db2ExportStruct, piXmlPathList, 44, 88);
DB2_PIN_OFFSET_BY_MODEL(db2ExportStruct, piXmlFileList, 48, 96);
DB2_PIN_SIZE_BY_MODEL(db2ExportStruct, 52, 104);

// ---------------------------------------------------------------------------------------------
// Load (db2Load).

// iIndexingMode.
constexpr db2Uint16 SQLU_INX_AUTOSELECT = 0;
constexpr db2Uint16 SQLU_INX_REBUILD = 1;
constexpr db2Uint16 SQLU_INX_INCREMENTAL = 2;
constexpr db2Uint16 SQLU_INX_DEFERRED = 3;

// iStatsOpt and iRestartphase.
constexpr char SQLU_STATS_USE_PROFILE = 'P';
constexpr char SQLU_STATS_NONE = ' ';

// A source user exit: the program and, each optional, its input stream, input and output files.
struct db2LoadUserExit {
    db2Char iSourceUserExitCmd;
    db2Char* piInputStream;
    db2Char* piInputFileName;
    db2Char* piOutputFileName;
    db2Uint16* piEnableParallelism;
};
DB2_PIN_OFFSET_BY_MODEL(db2LoadUserExit, piInputStream, 12, 16);
DB2_PIN_OFFSET_BY_MODEL(db2LoadUserExit, piEnableParallelism, 24, 40);
DB2_PIN_SIZE_BY_MODEL(db2LoadUserExit, 28, 48);

struct db2LoadIn {
    db2Uint64 iRowcount;
    db2Uint64 iRestartcount;
    char* piUseTablespace;  // null: the table's own
    db2Uint32 iSavecount;
    db2Uint32 iDataBufferSize;
    db2Uint32 iSortBufferSize;
    db2Uint32 iWarningcount;
    db2Uint16 iHoldQuiesce;
    db2Uint16 iCpuParallelism;
    db2Uint16 iDiskParallelism;
    db2Uint16 iNonrecoverable;
    db2Uint16 iIndexingMode;
    db2Uint16 iAccessLevel;
    db2Uint16 iLockWithForce;
    db2Uint16 iCheckPending;
    char iRestartphase;
    char iStatsOpt;
    db2Uint16 iSetIntegrityPending;
    db2LoadUserExit* piSourceUserExit;  // null: no user exit
    db2Uint16* piXmlParse;              // a later release; unused here
    db2DMUXmlValidate* piXmlValidate;   // a later release; unused here
};
DB2_PIN_OFFSET(db2LoadIn, piUseTablespace, 16);
DB2_PIN_OFFSET_BY_MODEL(db2LoadIn, iSavecount, 20, 24);
DB2_PIN_OFFSET_BY_MODEL(db2LoadIn, iWarningcount, 32, 36);
DB2_PIN_OFFSET_BY_MODEL(db2LoadIn, iHoldQuiesce, 36, 40);
DB2_PIN_OFFSET_BY_MODEL(db2LoadIn, iCheckPending, 50, 54);
DB2_PIN_OFFSET_BY_MODEL(db2LoadIn, iRestartphase, 52, 56);
DB2_PIN_OFFSET_BY_MODEL(db2LoadIn, iStatsOpt, 53, 57);
DB2_PIN_OFFSET_BY_MODEL(db2LoadIn, iSetIntegrityPending, 54, 58);
DB2_PIN_OFFSET_BY_MODEL(db2LoadIn, piSourceUserExit, 56, 64);
DB2_PIN_OFFSET_BY_MODEL(db2LoadIn, piXmlValidate, 64, 80);
DB2_PIN_SIZE_BY_MODEL(db2LoadIn, 68, 88);

struct db2LoadOut {
    db2Uint64 oRowsRead;
    db2Uint64 oRowsSkipped;
    db2Uint64 oRowsLoaded;
    db2Uint64 oRowsRejected;
    db2Uint64 oRowsDeleted;
    db2Uint64 oRowsCommitted;
};
DB2_PIN_OFFSET(db2LoadOut, oRowsCommitted, 40);
DB2_PIN_SIZE(db2LoadOut, 48);

// The lowest and highest TCP port a partitioned load may use.
struct db2LoadPortRange {
    db2Uint16 iPortMin;
    db2Uint16 iPortMax;
};
DB2_PIN_OFFSET(db2LoadPortRange, iPortMax, 2);
DB2_PIN_SIZE(db2LoadPortRange, 4);

// Partitioned load options: every field is optional (null: DB2's default).
struct db2PartLoadIn {
    char* piHostname;
    char* piFileTransferCmd;
    char* piPartFileLocation;
    db2LoadNodeList* piOutputNodes;
    db2LoadNodeList* piPartitioningNodes;
    db2Uint16* piMode;
    db2Uint16* piMaxNumPartAgents;
    db2Uint16* piIsolatePartErrs;
    db2Uint16* piStatusInterval;
    db2LoadPortRange* piPortRange;
    db2Uint16* piCheckTruncation;
    char* piMapFileInput;
    char* piMapFileOutput;
    db2Uint16* piTrace;
    db2Uint16* piNewline;
    char* piDistfile;
    db2Uint16* piOmitHeader;
    SQL_PDB_NODE_TYPE* piRunStatDBPartNum;
};
DB2_PIN_OFFSET_BY_MODEL(db2PartLoadIn, piOutputNodes, 12, 24);
DB2_PIN_OFFSET_BY_MODEL(db2PartLoadIn, piPortRange, 36, 72);
DB2_PIN_OFFSET_BY_MODEL(db2PartLoadIn, piRunStatDBPartNum, 68, 136);
DB2_PIN_SIZE_BY_MODEL(db2PartLoadIn, 72, 144);

// One agent's outcome in a partitioned load.
struct db2LoadAgentInfo {
    db2int32 oSqlcode;
    db2Uint32 oTableState;
    SQL_PDB_NODE_TYPE oNodeNum;
    db2Uint16 oAgentType;
};
DB2_PIN_OFFSET(db2LoadAgentInfo, oNodeNum, 8);
DB2_PIN_SIZE(db2LoadAgentInfo, 12);

struct db2PartLoadOut {
    db2Uint64 oRowsRdPartAgents;
    db2Uint64 oRowsRejPartAgents;
    db2Uint64 oRowsPartitioned;
    db2LoadAgentInfo* poAgentInfoList;
    db2Uint32 iMaxAgentInfoEntries;
    db2Uint32 oNumAgentInfoEntries;
};
DB2_PIN_OFFSET(db2PartLoadOut, poAgentInfoList, 24);
DB2_PIN_OFFSET_BY_MODEL(db2PartLoadOut, iMaxAgentInfoEntries, 28, 32);
DB2_PIN_SIZE_BY_MODEL(db2PartLoadOut, 36, 40);

struct db2LoadStruct {
    sqlu_media_list* piSourceList;  // 'S', 'C' locations or a 'Q' statement
    sqlu_media_list* piLobPathList;
    sqldcol* piDataDescriptor;
    sqlchar* piActionString;
    char* piFileType;
    sqlchar* piFileTypeMod;
    char* piLocalMsgFileName;
    char* piTempFilesPath;
    sqlu_media_list* piVendorSortWorkPaths;
    sqlu_media_list* piCopyTargetList;  // null: no load copy
    db2int32* piNullIndicators;
    db2LoadIn* piLoadInfoIn;
    db2LoadOut* poLoadInfoOut;
    db2PartLoadIn* piPartLoadInfoIn;  // null: not a partitioned load
    db2PartLoadOut* poPartLoadInfoOut;
    db2int16 iCallerAction;
    sqllob* piLongActionString;      // a later release; unused here
    sqlu_media_list* piXmlPathList;  // a later release; unused here
};
DB2_PIN_OFFSET_BY_MODEL(db2LoadStruct, piNullIndicators, 40, 80);
DB2_PIN_OFFSET_BY_MODEL(db2LoadStruct, piPartLoadInfoIn, 52, 104);
DB2_PIN_OFFSET_BY_MODEL(db2LoadStruct, iCallerAction, 60, 120);
DB2_PIN_OFFSET_BY_MODEL(db2LoadStruct, piLongActionString, 64, 128);
DB2_PIN_OFFSET_BY_MODEL(db2LoadStruct, piXmlPathList, 68, 136);
DB2_PIN_SIZE_BY_MODEL(db2LoadStruct, 72, 144);

// ---------------------------------------------------------------------------------------------
// Load query (db2LoadQuery).

// iStringType: piString names a table.
constexpr db2Uint32 DB2LOADQUERY_TABLENAME = 0;

// iShowLoadMessages.
constexpr db2Uint32 DB2LOADQUERY_SHOW_ALL_MSGS = 0;
constexpr db2Uint32 DB2LOADQUERY_SHOW_NO_MSGS = 1;
constexpr db2Uint32 DB2LOADQUERY_SHOW_NEW_MSGS = 2;

// oWhichPhase.
constexpr db2Uint32 DB2LOADQUERY_LOAD_PHASE = 1;
constexpr db2Uint32 DB2LOADQUERY_BUILD_PHASE = 2;
constexpr db2Uint32 DB2LOADQUERY_DELETE_PHASE = 3;

// oTableState: one bit each; a table can be in several states at once.
constexpr db2Uint32 DB2LOADQUERY_NORMAL = 0x0;
constexpr db2Uint32 DB2LOADQUERY_CHECK_PENDING = 0x1;
constexpr db2Uint32 DB2LOADQUERY_LOAD_IN_PROGRESS = 0x2;
constexpr db2Uint32 DB2LOADQUERY_READ_ACCESS = 0x4;
constexpr db2Uint32 DB2LOADQUERY_NOTAVAILABLE = 0x8;
constexpr db2Uint32 DB2LOADQUERY_NO_LOAD_RESTART = 0x10;
constexpr db2Uint32 DB2LOADQUERY_LOAD_PENDING = 0x40;
constexpr db2Uint32 DB2LOADQUERY_TYPE1_INDEXES = 0x400;

struct db2LoadQueryOutputStruct {
    db2Uint32 oRowsRead;
    db2Uint32 oRowsSkipped;
    db2Uint32 oRowsCommitted;
    db2Uint32 oRowsLoaded;
    db2Uint32 oRowsRejected;
    db2Uint32 oRowsDeleted;
    db2Uint32 oCurrentIndex;
    db2Uint32 oNumTotalIndexes;
    db2Uint32 oCurrentMPPNode;
    db2Uint32 oLoadRestarted;
    db2Uint32 oWhichPhase;
    db2Uint32 oWarningCount;
    db2Uint32 oTableState;
};
DB2_PIN_OFFSET(db2LoadQueryOutputStruct, oWhichPhase, 40);
DB2_PIN_OFFSET(db2LoadQueryOutputStruct, oTableState, 48);
DB2_PIN_SIZE(db2LoadQueryOutputStruct, 52);

struct db2LoadQueryStruct {
    db2Uint32 iStringType;
    char* piString;  // the table
    db2Uint32 iShowLoadMessages;
    db2LoadQueryOutputStruct* poOutputStruct;
    char* piLocalMessageFile;  // null: no messages written
};
DB2_PIN_OFFSET_BY_MODEL(db2LoadQueryStruct, piString, 4, 8);
DB2_PIN_OFFSET_BY_MODEL(db2LoadQueryStruct, iShowLoadMessages, 8, 16);
DB2_PIN_OFFSET_BY_MODEL(db2LoadQueryStruct, poOutputStruct, 12, 24);
DB2_PIN_OFFSET_BY_MODEL(db2LoadQueryStruct, piLocalMessageFile, 16, 32);
DB2_PIN_SIZE_BY_MODEL(db2LoadQueryStruct, 20, 40);
