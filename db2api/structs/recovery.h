// Backup and recovery: backup, restore, rollforward, the recovery history (open, get, close,
// update, prune), archive log, and the table-space utilities (quiesce, set containers).
// Release 9 layouts (natural alignment, Unix). The client reads a versioned structure as far as
// the version number it is given; callers zero each structure before filling it, so the fields
// later releases append read as "not asked for".
//
// Character fields the client fills (application ids, time stamps, log names) are terminated
// only when they are shorter than their field: read them at their width, stop at the first NUL.
#pragma once

#include <cstddef>

#include "db2api/db2types.h"
#include "db2api/structs/media.h"
#include "db2api/structs/monitor.h"
#include "db2api/structs/pins.h"

// Field widths.
constexpr std::size_t SQLU_APPLID_LEN = 32;         // application id
constexpr std::size_t SQLU_TIME_STAMP_LEN = 14;     // yyyymmddhhmmss
constexpr std::size_t SQLU_MAX_TBS_NAME_LEN = 18;   // table space name in the old list type
constexpr std::size_t SQLUM_ARCHIVE_FILE_LEN = 12;  // S0000012.LOG
constexpr std::size_t SQLUM_TIMESTAMP_LEN = 26;     // yyyy-mm-dd-hh.mm.ss.nnnnnn
constexpr std::size_t SQL_LOGPATH_SZ = 242;
constexpr std::size_t SQL_LOGFILE_NAME_SZ = 12;
constexpr std::size_t SQLUH_MAX_PARTITIONS = 1000;  // database partitions 0..999

// ---------------------------------------------------------------------------------------------
// Lists shared by backup and restore.
struct db2TablespaceStruct {
    char** tablespaces;
    db2Uint32 numTablespaces;
};
DB2_PIN_OFFSET(db2TablespaceStruct, numTablespaces, sizeof(char**));
DB2_PIN_SIZE_BY_MODEL(db2TablespaceStruct, 8, 16);

// locationType: SQLU_LOCAL_MEDIA 'L', SQLU_XBSA_MEDIA 'X', SQLU_TSM_MEDIA 'A',
// SQLU_OTHER_MEDIA 'O' (vendor library), SQLU_USER_EXIT 'U'.
struct db2MediaListStruct {
    char** locations;
    db2Uint32 numLocations;
    char locationType;
};
DB2_PIN_OFFSET(db2MediaListStruct, numLocations, sizeof(char**));
DB2_PIN_OFFSET_BY_MODEL(db2MediaListStruct, locationType, 8, 12);
DB2_PIN_SIZE_BY_MODEL(db2MediaListStruct, 12, 16);

struct db2StoragePathsStruct {
    char** storagePaths;
    db2Uint32 numStoragePaths;
};
DB2_PIN_SIZE_BY_MODEL(db2StoragePathsStruct, 8, 16);

// ---------------------------------------------------------------------------------------------
// db2Backup. The partition fields after iComprOptionsSize are read from level 9050000 on.
struct db2BackupMPPOutputStruct {
    SQL_PDB_NODE_TYPE nodeNumber;
    db2Uint64 backupSize;
    struct sqlca sqlca;
};
DB2_PIN_OFFSET_BY_MODEL(db2BackupMPPOutputStruct, backupSize, 4, 8);
DB2_PIN_SIZE_BY_MODEL(db2BackupMPPOutputStruct, 148, 152);

struct db2BackupStruct {
    char* piDBAlias;
    char oApplicationId[SQLU_APPLID_LEN + 1];
    char oTimestamp[SQLU_TIME_STAMP_LEN + 1];
    db2TablespaceStruct* piTablespaceList;
    db2MediaListStruct* piMediaList;
    char* piUsername;
    char* piPassword;
    void* piVendorOptions;
    db2Uint32 iVendorOptionsSize;
    db2Uint32 oBackupSize;  // MB
    db2Uint32 iCallerAction;
    db2Uint32 iBufferSize;
    db2Uint32 iNumBuffers;
    db2Uint32 iParallelism;
    db2Uint32 iOptions;
    db2Uint32 iUtilImpactPriority;
    char* piComprLibrary;
    void* piComprOptions;
    db2Uint32 iComprOptionsSize;
    db2int32 iAllNodeFlag;
    db2int32 iNumNodes;
    SQL_PDB_NODE_TYPE* piNodeList;
    db2int32 iNumMPPOutputStructs;
    db2BackupMPPOutputStruct* poMPPOutputStruct;
};
DB2_PIN_OFFSET_BY_MODEL(db2BackupStruct, oApplicationId, 4, 8);
DB2_PIN_OFFSET_BY_MODEL(db2BackupStruct, oTimestamp, 37, 41);
DB2_PIN_OFFSET_BY_MODEL(db2BackupStruct, piTablespaceList, 52, 56);
DB2_PIN_OFFSET_BY_MODEL(db2BackupStruct, piVendorOptions, 68, 88);
DB2_PIN_OFFSET_BY_MODEL(db2BackupStruct, iVendorOptionsSize, 72, 96);
DB2_PIN_OFFSET_BY_MODEL(db2BackupStruct, iCallerAction, 80, 104);
DB2_PIN_OFFSET_BY_MODEL(db2BackupStruct, iOptions, 96, 120);
DB2_PIN_OFFSET_BY_MODEL(db2BackupStruct, piComprLibrary, 104, 128);
DB2_PIN_OFFSET_BY_MODEL(db2BackupStruct, iComprOptionsSize, 112, 144);
DB2_PIN_OFFSET_BY_MODEL(db2BackupStruct, iAllNodeFlag, 116, 148);
DB2_PIN_OFFSET_BY_MODEL(db2BackupStruct, piNodeList, 124, 160);
DB2_PIN_OFFSET_BY_MODEL(db2BackupStruct, poMPPOutputStruct, 132, 176);
DB2_PIN_SIZE_BY_MODEL(db2BackupStruct, 136, 184);

// Backup caller actions.
constexpr db2Uint32 DB2BACKUP_BACKUP = 0;
constexpr db2Uint32 DB2BACKUP_CONTINUE = 1;
constexpr db2Uint32 DB2BACKUP_TERMINATE = 2;
constexpr db2Uint32 DB2BACKUP_NOINTERRUPT = 3;
// Backup options, combined by OR.
constexpr db2Uint32 DB2BACKUP_DB = 0;
constexpr db2Uint32 DB2BACKUP_TABLESPACE = 3;
constexpr db2Uint32 DB2BACKUP_OFFLINE = 0;
constexpr db2Uint32 DB2BACKUP_ONLINE = 0x100;
constexpr db2Uint32 DB2BACKUP_INCREMENTAL = 0x10;
constexpr db2Uint32 DB2BACKUP_DELTA = 0x30;  // includes the incremental bit
constexpr db2Uint32 DB2BACKUP_COMPRESS = 0x400;
constexpr db2Uint32 DB2BACKUP_EXCLUDE_COMPR_LIB = 0x800;

// ---------------------------------------------------------------------------------------------
// db2Restore. piRedirectScript is read from level 9000000 on.
struct db2RestoreStruct {
    char* piSourceDBAlias;
    char* piTargetDBAlias;
    char oApplicationId[SQLU_APPLID_LEN + 1];
    char* piTimestamp;
    char* piTargetDBPath;
    char* piReportFile;
    db2TablespaceStruct* piTablespaceList;
    db2MediaListStruct* piMediaList;
    char* piUsername;
    char* piPassword;
    char* piNewLogPath;
    void* piVendorOptions;
    db2Uint32 iVendorOptionsSize;
    db2Uint32 iParallelism;
    db2Uint32 iBufferSize;
    db2Uint32 iNumBuffers;
    db2Uint32 iCallerAction;
    db2Uint32 iOptions;
    char* piComprLibrary;
    void* piComprOptions;
    db2Uint32 iComprOptionsSize;
    char* piLogTarget;
    db2StoragePathsStruct* piStoragePaths;
    char* piRedirectScript;
};
DB2_PIN_OFFSET_BY_MODEL(db2RestoreStruct, oApplicationId, 8, 16);
DB2_PIN_OFFSET_BY_MODEL(db2RestoreStruct, piTimestamp, 44, 56);
DB2_PIN_OFFSET_BY_MODEL(db2RestoreStruct, piTablespaceList, 56, 80);
DB2_PIN_OFFSET_BY_MODEL(db2RestoreStruct, piVendorOptions, 76, 120);
DB2_PIN_OFFSET_BY_MODEL(db2RestoreStruct, iVendorOptionsSize, 80, 128);
DB2_PIN_OFFSET_BY_MODEL(db2RestoreStruct, iCallerAction, 96, 144);
DB2_PIN_OFFSET_BY_MODEL(db2RestoreStruct, iOptions, 100, 148);
DB2_PIN_OFFSET_BY_MODEL(db2RestoreStruct, piComprLibrary, 104, 152);
DB2_PIN_OFFSET_BY_MODEL(db2RestoreStruct, iComprOptionsSize, 112, 168);
DB2_PIN_OFFSET_BY_MODEL(db2RestoreStruct, piLogTarget, 116, 176);
DB2_PIN_OFFSET_BY_MODEL(db2RestoreStruct, piStoragePaths, 120, 184);
DB2_PIN_OFFSET_BY_MODEL(db2RestoreStruct, piRedirectScript, 124, 192);
DB2_PIN_SIZE_BY_MODEL(db2RestoreStruct, 128, 200);

// Restore caller actions.
constexpr db2Uint32 DB2RESTORE_RESTORE = 0;
constexpr db2Uint32 DB2RESTORE_CONTINUE = 1;
constexpr db2Uint32 DB2RESTORE_TERMINATE = 2;
constexpr db2Uint32 DB2RESTORE_NOINTERRUPT = 3;
constexpr db2Uint32 DB2RESTORE_TERMINATE_INCRE = 13;
// Restore options, combined by OR: one kind, one rebuild value, any of the flags.
constexpr db2Uint32 DB2RESTORE_DB = 0;
constexpr db2Uint32 DB2RESTORE_TABLESPACE = 4;
constexpr db2Uint32 DB2RESTORE_HISTORY = 5;
constexpr db2Uint32 DB2RESTORE_COMPR_LIB = 6;
constexpr db2Uint32 DB2RESTORE_LOGS = 7;
constexpr db2Uint32 DB2RESTORE_KIND_MASK = 7;
constexpr db2Uint32 DB2RESTORE_OFFLINE = 0;
constexpr db2Uint32 DB2RESTORE_ONLINE = 0x40;
constexpr db2Uint32 DB2RESTORE_INCREMENTAL = 0x10;
constexpr db2Uint32 DB2RESTORE_INCREMENTAL_AUTO = 0x100;
constexpr db2Uint32 DB2RESTORE_DATALINK = 0;
constexpr db2Uint32 DB2RESTORE_NODATALINK = 0x80;
constexpr db2Uint32 DB2RESTORE_ROLLFWD = 0;
constexpr db2Uint32 DB2RESTORE_NOROLLFWD = 0x200;
constexpr db2Uint32 DB2RESTORE_GENERATE_SCRIPT = 0x8000;
constexpr db2Uint32 DB2RESTORE_ALL_TBSP_IN_DB = 0x1000;
constexpr db2Uint32 DB2RESTORE_ALL_TBSP_IN_IMG = 0x2000;
constexpr db2Uint32 DB2RESTORE_ALL_TBSP_IN_LIST = 0x3000;
constexpr db2Uint32 DB2RESTORE_ALL_TBSP_IN_DB_EXC = 0x5000;
constexpr db2Uint32 DB2RESTORE_ALL_TBSP_IN_IMG_EXC = 0x6000;
constexpr db2Uint32 DB2RESTORE_REBUILD_MASK = 0x7000;

// ---------------------------------------------------------------------------------------------
// db2Rollforward.

// A changed overflow log path for one partition. pathlen counts the bytes of logpath in use.
struct sqlurf_newlogpath {
    SQL_PDB_NODE_TYPE nodenum;
    unsigned short pathlen;
    char logpath[SQL_LOGPATH_SZ + SQL_LOGFILE_NAME_SZ + 1];
};
DB2_PIN_OFFSET(sqlurf_newlogpath, logpath, 4);
DB2_PIN_SIZE(sqlurf_newlogpath, 260);

// The status of one partition, filled by the client. The texts are terminated only when shorter
// than their field.
struct sqlurf_info {
    SQL_PDB_NODE_TYPE nodenum;
    sqlint32 state;
    unsigned char nextarclog[SQLUM_ARCHIVE_FILE_LEN + 1];
    unsigned char firstarcdel[SQLUM_ARCHIVE_FILE_LEN + 1];
    unsigned char lastarcdel[SQLUM_ARCHIVE_FILE_LEN + 1];
    unsigned char lastcommit[SQLUM_TIMESTAMP_LEN + 1];
};
DB2_PIN_OFFSET(sqlurf_info, state, 4);
DB2_PIN_OFFSET(sqlurf_info, nextarclog, 8);
DB2_PIN_OFFSET(sqlurf_info, firstarcdel, 21);
DB2_PIN_OFFSET(sqlurf_info, lastarcdel, 34);
DB2_PIN_OFFSET(sqlurf_info, lastcommit, 47);
DB2_PIN_SIZE(sqlurf_info, 76);

// The old table space list: names of at most 18 characters; reserve_len is the name's length.
struct sqlu_tablespace_entry {
    sqluint32 reserve_len;
    char tablespace_entry[SQLU_MAX_TBS_NAME_LEN + 1];
    char filler[1];
};
DB2_PIN_OFFSET(sqlu_tablespace_entry, tablespace_entry, 4);
DB2_PIN_SIZE(sqlu_tablespace_entry, 24);

struct sqlu_tablespace_bkrst_list {
    sqlint32 num_entry;
    sqlu_tablespace_entry* tablespace;
};
DB2_PIN_OFFSET_BY_MODEL(sqlu_tablespace_bkrst_list, tablespace, 4, 8);
DB2_PIN_SIZE_BY_MODEL(sqlu_tablespace_bkrst_list, 8, 16);

// Input, iVersion SQLUM_RFWD_VERSION. poNodeInfo of the output must hold iNumNodeInfo entries.
struct db2RfwdInputStruct {
    db2Uint32 iVersion;
    char* piDbAlias;
    db2Uint32 iCallerAction;
    char* piStopTime;
    char* piUserName;
    char* piPassword;
    char* piOverflowLogPath;
    db2Uint32 iNumChngLgOvrflw;
    sqlurf_newlogpath* piChngLogOvrflw;
    db2Uint32 iConnectMode;
    sqlu_tablespace_bkrst_list* piTablespaceList;
    db2int32 iAllNodeFlag;
    db2int32 iNumNodes;
    SQL_PDB_NODE_TYPE* piNodeList;
    db2int32 iNumNodeInfo;
    char* piDroppedTblID;
    char* piExportDir;
    db2Uint32 iRollforwardFlags;
};
DB2_PIN_OFFSET_BY_MODEL(db2RfwdInputStruct, piDbAlias, 4, 8);
DB2_PIN_OFFSET_BY_MODEL(db2RfwdInputStruct, iCallerAction, 8, 16);
DB2_PIN_OFFSET_BY_MODEL(db2RfwdInputStruct, piStopTime, 12, 24);
DB2_PIN_OFFSET_BY_MODEL(db2RfwdInputStruct, iNumChngLgOvrflw, 28, 56);
DB2_PIN_OFFSET_BY_MODEL(db2RfwdInputStruct, piChngLogOvrflw, 32, 64);
DB2_PIN_OFFSET_BY_MODEL(db2RfwdInputStruct, iConnectMode, 36, 72);
DB2_PIN_OFFSET_BY_MODEL(db2RfwdInputStruct, piTablespaceList, 40, 80);
DB2_PIN_OFFSET_BY_MODEL(db2RfwdInputStruct, iAllNodeFlag, 44, 88);
DB2_PIN_OFFSET_BY_MODEL(db2RfwdInputStruct, piNodeList, 52, 96);
DB2_PIN_OFFSET_BY_MODEL(db2RfwdInputStruct, iNumNodeInfo, 56, 104);
DB2_PIN_OFFSET_BY_MODEL(db2RfwdInputStruct, piDroppedTblID, 60, 112);
DB2_PIN_OFFSET_BY_MODEL(db2RfwdInputStruct, iRollforwardFlags, 68, 128);
DB2_PIN_SIZE_BY_MODEL(db2RfwdInputStruct, 72, 136);

// Output: poApplicationId points to SQLU_APPLID_LEN + 1 bytes (the library passes 128).
struct db2RfwdOutputStruct {
    char* poApplicationId;
    sqlint32* poNumReplies;
    sqlurf_info* poNodeInfo;
    db2Uint32 oRollforwardFlags;
};
DB2_PIN_OFFSET_BY_MODEL(db2RfwdOutputStruct, oRollforwardFlags, 12, 24);
DB2_PIN_SIZE_BY_MODEL(db2RfwdOutputStruct, 16, 32);

struct db2RollforwardStruct {
    db2RfwdInputStruct* piRfwdInput;
    db2RfwdOutputStruct* poRfwdOutput;
};
DB2_PIN_SIZE_BY_MODEL(db2RollforwardStruct, 8, 16);

constexpr db2Uint32 SQLUM_RFWD_VERSION = 5;
// Rollforward caller actions.
constexpr db2Uint32 DB2ROLLFORWARD_RFWD = 1;
constexpr db2Uint32 DB2ROLLFORWARD_STOP = 2;
constexpr db2Uint32 DB2ROLLFORWARD_COMPLETE = 2;
constexpr db2Uint32 DB2ROLLFORWARD_RFWD_STOP = 3;
constexpr db2Uint32 DB2ROLLFORWARD_QUERY = 4;
constexpr db2Uint32 DB2ROLLFORWARD_CANCEL = 8;
// The stop time meaning "to the end of the logs".
constexpr char SQLUM_INFINITY_TIMESTAMP[] = "9999-12-31-23.59.59.999999";
// iConnectMode.
constexpr db2Uint32 SQLUM_OFFLINE = 0;
constexpr db2Uint32 SQLUM_ONLINE = 1;
// iAllNodeFlag (rollforward and archive log).
constexpr db2int32 SQLURF_NODE_LIST = 0;
constexpr db2int32 SQLURF_ALL_NODES = 1;
constexpr db2int32 SQLURF_ALL_EXCEPT = 2;
constexpr db2int32 SQLURF_CAT_NODE_ONLY = 3;
// iRollforwardFlags and oRollforwardFlags.
constexpr db2Uint32 DB2ROLLFORWARD_LOCAL_TIME = 0x1;
constexpr db2Uint32 DB2ROLLFORWARD_NO_RETRIEVE = 0x2;
// sqlurf_info.state.
constexpr sqlint32 SQLURFQ_NOT_AVAILABLE = 0;
constexpr sqlint32 SQLURFQ_NOT_RFW_PENDING = 1;
constexpr sqlint32 SQLURFQ_DB_RFW_PENDING = 2;
constexpr sqlint32 SQLURFQ_TBL_RFW_PENDING = 3;
constexpr sqlint32 SQLURFQ_DB_RFW_IN_PROGRESS = 4;
constexpr sqlint32 SQLURFQ_TBL_RFW_IN_PROGRESS = 5;
constexpr sqlint32 SQLURFQ_DB_RFW_STOPPING = 6;
constexpr sqlint32 SQLURFQ_TBL_RFW_STOPPING = 7;

// ---------------------------------------------------------------------------------------------
// The recovery history: db2HistoryOpenScan, db2HistoryGetEntry, db2HistoryCloseScan (its
// parameter is the db2Uint16 handle itself), db2HistoryUpdate, db2Prune.

struct db2HistoryOpenStruct {
    char* piDatabaseAlias;
    char* piTimestamp;
    char* piObjectName;
    db2Uint32 oNumRows;
    db2Uint32 oMaxTbspaces;
    db2Uint16 iCallerAction;
    db2Uint16 oHandle;
};
DB2_PIN_OFFSET_BY_MODEL(db2HistoryOpenStruct, oNumRows, 12, 24);
DB2_PIN_OFFSET_BY_MODEL(db2HistoryOpenStruct, iCallerAction, 20, 32);
DB2_PIN_OFFSET_BY_MODEL(db2HistoryOpenStruct, oHandle, 22, 34);
DB2_PIN_SIZE_BY_MODEL(db2HistoryOpenStruct, 24, 40);

// A log sequence number: six bytes, read as three 16-bit words.
union SQLU_LSN {
    char lsnChar[6];
    unsigned short lsnWord[3];
};
DB2_PIN_SIZE(SQLU_LSN, 6);

struct db2HistoryEID {
    SQL_PDB_NODE_TYPE ioNode;
    db2Uint32 ioHID;
};
DB2_PIN_OFFSET(db2HistoryEID, ioHID, 4);
DB2_PIN_SIZE(db2HistoryEID, 8);

// One history entry. The caller points each db2Char at its own buffer with iLength its size;
// the client sets oLength to the bytes it wrote (terminated only when shorter than iLength).
struct db2HistoryData {
    char ioHistDataID[8];  // "SQLUHINF", no terminator
    db2Char oObjectPart;
    db2Char oEndTime;
    db2Char oFirstLog;
    db2Char oLastLog;
    db2Char oID;
    db2Char oTableQualifier;
    db2Char oTableName;
    db2Char oLocation;
    db2Char oComment;
    db2Char oCommandText;
    SQLU_LSN oLastLSN;
    db2HistoryEID oEID;
    sqlca* poEventSQLCA;
    db2Char* poTablespace;
    db2Uint32 iNumTablespaces;
    db2Uint32 oNumTablespaces;
    char oOperation;
    char oObject;
    char oOptype;
    char oStatus;
    char oDeviceType;
};
DB2_PIN_OFFSET(db2HistoryData, oObjectPart, 8);
DB2_PIN_OFFSET_BY_MODEL(db2HistoryData, oCommandText, 116, 152);
DB2_PIN_OFFSET_BY_MODEL(db2HistoryData, oLastLSN, 128, 168);
DB2_PIN_OFFSET_BY_MODEL(db2HistoryData, oEID, 136, 176);
DB2_PIN_OFFSET_BY_MODEL(db2HistoryData, poEventSQLCA, 144, 184);
DB2_PIN_OFFSET_BY_MODEL(db2HistoryData, iNumTablespaces, 152, 200);
DB2_PIN_OFFSET_BY_MODEL(db2HistoryData, oOperation, 160, 208);
DB2_PIN_OFFSET_BY_MODEL(db2HistoryData, oDeviceType, 164, 212);
DB2_PIN_SIZE_BY_MODEL(db2HistoryData, 168, 216);

constexpr char SQLUHINF_EYECATCHER[] = "SQLUHINF";
static_assert(sizeof(SQLUHINF_EYECATCHER) == sizeof(db2HistoryData::ioHistDataID) + 1,
              "SQLUHINF length");

// Buffer sizes a full entry needs, terminator included.
constexpr db2Uint32 DB2HISTORY_OBJPART_SZ = 18;  // timestamp (14) and sequence (3), terminated
constexpr db2Uint32 DB2HISTORY_TIMESTAMP_SZ = 15;
constexpr db2Uint32 DB2HISTORY_LOGFILE_SZ = 13;
constexpr db2Uint32 DB2HISTORY_ID_SZ = 25;
constexpr db2Uint32 DB2HISTORY_TABLE_QUAL_SZ = 31;
constexpr db2Uint32 DB2HISTORY_TABLE_NAME_SZ = 129;
constexpr db2Uint32 DB2HISTORY_LOCATION_SZ = 256;
constexpr db2Uint32 DB2HISTORY_COMMENT_SZ = 31;
constexpr db2Uint32 DB2HISTORY_COMMAND_SZ = 2097153;  // 2 MiB and a terminator
constexpr db2Uint32 DB2HISTORY_TBSPACE_SZ = 129;

struct db2HistoryGetEntryStruct {
    db2HistoryData* pioHistData;
    db2Uint16 iHandle;
    db2Uint16 iCallerAction;
};
DB2_PIN_OFFSET_BY_MODEL(db2HistoryGetEntryStruct, iHandle, 4, 8);
DB2_PIN_SIZE_BY_MODEL(db2HistoryGetEntryStruct, 8, 16);

// db2HistoryOpenStruct.iCallerAction: which entries a scan lists.
constexpr db2Uint16 DB2HISTORY_LIST_HISTORY = 0;
constexpr db2Uint16 DB2HISTORY_LIST_BACKUP = 1;
constexpr db2Uint16 DB2HISTORY_LIST_ROLLFORWARD = 2;
constexpr db2Uint16 DB2HISTORY_LIST_DROPPED_TABLE = 3;
constexpr db2Uint16 DB2HISTORY_LIST_REORG = 4;
constexpr db2Uint16 DB2HISTORY_LIST_CRT_TABLESPACE = 5;
constexpr db2Uint16 DB2HISTORY_LIST_REN_TABLESPACE = 6;
constexpr db2Uint16 DB2HISTORY_LIST_ALT_TABLESPACE = 7;
constexpr db2Uint16 DB2HISTORY_LIST_LOAD = 8;
// db2HistoryGetEntryStruct.iCallerAction: how much of an entry to fill.
constexpr db2Uint16 DB2HISTORY_GET_ENTRY = 0;
constexpr db2Uint16 DB2HISTORY_GET_DDL = 1;
constexpr db2Uint16 DB2HISTORY_GET_ALL = 2;

// db2HistoryUpdate: null fields are left as they are.
struct db2HistoryUpdateStruct {
    char* piNewLocation;
    char* piNewDeviceType;
    char* piNewComment;
    char* piNewStatus;
    db2HistoryEID iEID;
};
DB2_PIN_OFFSET_BY_MODEL(db2HistoryUpdateStruct, iEID, 16, 32);
DB2_PIN_SIZE_BY_MODEL(db2HistoryUpdateStruct, 24, 40);

// db2Prune: piString is a time stamp (history) or a log number such as "0000012" (logs).
struct db2PruneStruct {
    char* piString;
    db2HistoryEID iEID;
    db2Uint32 iAction;
    db2Uint32 iOptions;
};
DB2_PIN_OFFSET_BY_MODEL(db2PruneStruct, iEID, 4, 8);
DB2_PIN_OFFSET_BY_MODEL(db2PruneStruct, iAction, 12, 16);
DB2_PIN_SIZE_BY_MODEL(db2PruneStruct, 20, 24);

constexpr db2Uint32 DB2PRUNE_ACTION_HISTORY = 1;
constexpr db2Uint32 DB2PRUNE_ACTION_LOG = 2;
constexpr db2Uint32 DB2PRUNE_OPTION_NONE = 0;
constexpr db2Uint32 DB2PRUNE_OPTION_FORCE = 1;
constexpr db2Uint32 DB2PRUNE_OPTION_LSNSTRING = 2;
constexpr db2Uint32 DB2PRUNE_OPTION_DELETE = 4;

// What a history entry records: oOperation, oObject (granularity), oStatus, oDeviceType.
constexpr char DB2HISTORY_OP_CRT_TABLESPACE = 'A';
constexpr char DB2HISTORY_OP_BACKUP = 'B';
constexpr char DB2HISTORY_OP_LOAD_COPY = 'C';
constexpr char DB2HISTORY_OP_DROPPED_TABLE = 'D';
constexpr char DB2HISTORY_OP_ROLLFWD = 'F';
constexpr char DB2HISTORY_OP_REORG = 'G';
constexpr char DB2HISTORY_OP_LOAD = 'L';
constexpr char DB2HISTORY_OP_REN_TABLESPACE = 'N';
constexpr char DB2HISTORY_OP_DROP_TABLESPACE = 'O';
constexpr char DB2HISTORY_OP_QUIESCE = 'Q';
constexpr char DB2HISTORY_OP_RESTORE = 'R';
constexpr char DB2HISTORY_OP_RUNSTATS = 'S';
constexpr char DB2HISTORY_OP_ALT_TABLESPACE = 'T';
constexpr char DB2HISTORY_OP_ARCHIVE_LOG = 'X';
constexpr char DB2HISTORY_GRAN_DB = 'D';
constexpr char DB2HISTORY_GRAN_TBS = 'P';
constexpr char DB2HISTORY_GRAN_TABLE = 'T';
constexpr char DB2HISTORY_STATUS_ACTIVE = 'A';
constexpr char DB2HISTORY_STATUS_DELETED = 'D';
constexpr char DB2HISTORY_STATUS_EXPIRED = 'E';
constexpr char DB2HISTORY_STATUS_INACTIVE = 'I';
constexpr char DB2HISTORY_STATUS_NO_DEL = 'X';
constexpr char DB2HISTORY_DEVTYPE_DISK = 'D';
constexpr char DB2HISTORY_DEVTYPE_TSM = 'A';
constexpr char DB2HISTORY_DEVTYPE_XBSA = 'X';
constexpr char DB2HISTORY_DEVTYPE_OTHER = 'O';
constexpr char DB2HISTORY_DEVTYPE_USER_EXIT = 'U';

// ---------------------------------------------------------------------------------------------
// db2ArchiveLog (level 8010000; the older entry point takes the same structure at 7010000).
// iAllNodeFlag takes the SQLURF_ values.
struct db2ArchiveLogStruct {
    char* piDatabaseAlias;
    char* piUserName;
    char* piPassword;
    db2Uint16 iAllNodeFlag;
    db2Uint16 iNumNodes;
    SQL_PDB_NODE_TYPE* piNodeList;
    db2Uint32 iOptions;
};
DB2_PIN_OFFSET_BY_MODEL(db2ArchiveLogStruct, iAllNodeFlag, 12, 24);
DB2_PIN_OFFSET_BY_MODEL(db2ArchiveLogStruct, iNumNodes, 14, 26);
DB2_PIN_OFFSET_BY_MODEL(db2ArchiveLogStruct, piNodeList, 16, 32);
DB2_PIN_OFFSET_BY_MODEL(db2ArchiveLogStruct, iOptions, 20, 40);
DB2_PIN_SIZE_BY_MODEL(db2ArchiveLogStruct, 24, 48);

// ---------------------------------------------------------------------------------------------
// Table spaces of a table: sqluvqdp quiesce modes.
constexpr sqlint32 SQLU_QUIESCEMODE_SHARE = 0;
constexpr sqlint32 SQLU_QUIESCEMODE_INTENT_UPDATE = 1;
constexpr sqlint32 SQLU_QUIESCEMODE_EXCLUSIVE = 2;
constexpr sqlint32 SQLU_QUIESCEMODE_RESET = 9;
constexpr sqlint32 SQLU_QUIESCEMODE_RESET_OWNED = 10;

// sqlbstsc: the new containers are SQLB_TBSCONTQRY_DATA entries (monitor.h) with name,
// contType (SQLB_CONT_PATH, SQLB_CONT_DISK, SQLB_CONT_FILE) and totalPages filled, the rest zero.
constexpr sqluint32 SQLB_SET_CONT_INIT_STATE = 0;   // rollforward redoes container operations
constexpr sqluint32 SQLB_SET_CONT_FINAL_STATE = 1;  // rollforward ignores them
