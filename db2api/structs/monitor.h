// Database monitor, force application, table space queries and in-doubt transactions: the
// snapshot request and its self-describing output stream, monitor switches and reset, the
// table space and container query records, and the XA and DRDA in-doubt entries. Callers zero
// each structure before filling it.
#pragma once

#include <cstddef>

#include "db2api/db2types.h"
#include "db2api/structs/createstart.h"
#include "db2api/structs/pins.h"

// ---------------------------------------------------------------------------------------------
// Snapshot request (sqlma) and the entry points' parameter blocks.

constexpr std::size_t SQLM_OBJECT_SZ = 128;  // object name in the request, NUL included
constexpr std::size_t SQLM_IDENT_SZ = 20;

struct sqlm_obj_struct {
    sqluint32 agent_id;  // application handle, for the per-application requests
    sqluint32 obj_type;  // SQLMA_*
    char object[SQLM_OBJECT_SZ];
};
DB2_PIN_SIZE(sqlm_obj_struct, 136);
DB2_PIN_OFFSET(sqlm_obj_struct, object, 8);

// A request of obj_num objects: offsetof(sqlma, obj_var) + obj_num * sizeof(sqlm_obj_struct).
struct sqlma {
    sqluint32 obj_num;
    sqlm_obj_struct obj_var[1];
};
DB2_PIN_SIZE(sqlma, 140);
DB2_PIN_OFFSET(sqlma, obj_var, 4);

// Request codes (sqlm_obj_struct.obj_type).
constexpr sqluint32 SQLMA_DB2 = 0x00010001;
constexpr sqluint32 SQLMA_DBASE = 0x00010002;
constexpr sqluint32 SQLMA_APPL = 0x00010003;
constexpr sqluint32 SQLMA_AGENT_ID = 0x00010004;
constexpr sqluint32 SQLMA_DBASE_TABLES = 0x00010005;
constexpr sqluint32 SQLMA_DBASE_APPLS = 0x00010006;
constexpr sqluint32 SQLMA_DBASE_APPLINFO = 0x00010007;
constexpr sqluint32 SQLMA_DBASE_LOCKS = 0x00010008;
constexpr sqluint32 SQLMA_DBASE_ALL = 0x00010009;
constexpr sqluint32 SQLMA_APPL_ALL = 0x0001000A;
constexpr sqluint32 SQLMA_APPLINFO_ALL = 0x0001000B;
constexpr sqluint32 SQLMA_DBASE_TABLESPACES = 0x0001000D;
constexpr sqluint32 SQLMA_APPL_LOCKS = 0x00010014;
constexpr sqluint32 SQLMA_APPL_LOCKS_AGENT_ID = 0x00010015;
constexpr sqluint32 SQLMA_DBASE_BUFFERPOOLS = 0x00010016;
constexpr sqluint32 SQLMA_BUFFERPOOLS_ALL = 0x00010017;

// Monitor data stream versions (iVersion).
constexpr db2Uint32 SQLM_DBMON_VERSION6 = 5;
constexpr db2Uint32 SQLM_DBMON_VERSION7 = 6;
constexpr db2Uint32 SQLM_DBMON_VERSION8 = 7;
constexpr db2Uint32 SQLM_DBMON_VERSION9 = 8;
constexpr db2Uint32 SQLM_DBMON_VERSION9_5 = 9;

// Partitions (iNodeNumber) and snapshot classes.
constexpr db2int32 SQLM_CURRENT_NODE = -1;
constexpr db2int32 SQLM_ALL_NODES = -2;
constexpr db2Uint32 SQLM_CLASS_DEFAULT = 0;
constexpr db2Uint32 SQLM_CLASS_HEALTH = 1;
constexpr db2Uint32 SQLM_CLASS_HEALTH_WITH_DETAIL = 2;

// Output formats (*poOutputFormat).
constexpr db2Uint32 SQLM_STREAM_STATIC_FORMAT = 0;
constexpr db2Uint32 SQLM_STREAM_DYNAMIC_FORMAT = 1;

struct sqlm_timestamp {
    sqluint32 seconds;
    sqluint32 microsec;
};
DB2_PIN_SIZE(sqlm_timestamp, 8);

// Monitor switch groups, in the order of the group array, and their states.
constexpr sqluint32 SQLM_UOW_SW = 0;
constexpr sqluint32 SQLM_STATEMENT_SW = 1;
constexpr sqluint32 SQLM_TABLE_SW = 2;
constexpr sqluint32 SQLM_BUFFER_POOL_SW = 3;
constexpr sqluint32 SQLM_LOCK_SW = 4;
constexpr sqluint32 SQLM_SORT_SW = 5;
constexpr sqluint32 SQLM_TIMESTAMP_SW = 6;
constexpr std::size_t SQLM_NUM_GROUPS = 7;        // 8.0 and later
constexpr std::size_t SQLM_NUM_GROUPS_PREV8 = 6;  // no timestamp switch
constexpr sqluint32 SQLM_OFF = 0;
constexpr sqluint32 SQLM_ON = 1;
constexpr sqluint32 SQLM_HOLD = 2;  // keep the current state

struct sqlm_recording_group {
    sqluint32 input_state;
    sqluint32 output_state;
    sqlm_timestamp start_time;
};
DB2_PIN_SIZE(sqlm_recording_group, 16);
DB2_PIN_OFFSET(sqlm_recording_group, start_time, 8);

// What a snapshot collected (the old fixed-format summary; the stream version leaves most of
// it to the stream itself).
struct sqlm_collected {
    sqluint32 size;
    sqluint32 db2;
    sqluint32 databases;
    sqluint32 table_databases;
    sqluint32 lock_databases;
    sqluint32 applications;
    sqluint32 applinfos;
    sqluint32 dcs_applinfos;
    sqluint32 server_db2_type;
    sqlm_timestamp time_stamp;
    sqlm_recording_group group_states[SQLM_NUM_GROUPS];
    char server_prdid[SQLM_IDENT_SZ];
    char server_nname[SQLM_IDENT_SZ];
    char server_instance_name[SQLM_IDENT_SZ];
    char reserved[22];
    sqluint16 node_number;
    sqlint32 time_zone_disp;
    sqluint32 num_top_level_structs;
    sqluint32 tablespace_databases;
    sqluint32 server_version;
};
DB2_PIN_OFFSET(sqlm_collected, time_stamp, 36);
DB2_PIN_OFFSET(sqlm_collected, group_states, 44);
DB2_PIN_OFFSET(sqlm_collected, server_prdid, 156);
DB2_PIN_OFFSET(sqlm_collected, node_number, 238);
DB2_PIN_OFFSET(sqlm_collected, time_zone_disp, 240);
DB2_PIN_SIZE(sqlm_collected, 256);

// db2GetSnapshot.
struct db2GetSnapshotData {
    void* piSqlmaData;  // sqlma*
    sqlm_collected* poCollectedData;
    void* poBuffer;
    db2Uint32 iVersion;      // SQLM_DBMON_VERSION*
    db2int32 iBufferSize;    // bytes at poBuffer
    db2Uint32 iStoreResult;  // also keep the result in a file
    db2int32 iNodeNumber;
    db2Uint32* poOutputFormat;
    db2Uint32 iSnapshotClass;
};
DB2_PIN_OFFSET_BY_MODEL(db2GetSnapshotData, iVersion, 12, 24);
DB2_PIN_OFFSET_BY_MODEL(db2GetSnapshotData, iNodeNumber, 24, 36);
DB2_PIN_OFFSET_BY_MODEL(db2GetSnapshotData, poOutputFormat, 28, 40);
DB2_PIN_OFFSET_BY_MODEL(db2GetSnapshotData, iSnapshotClass, 32, 48);
DB2_PIN_SIZE_BY_MODEL(db2GetSnapshotData, 36, 56);

// db2GetSnapshotSize: DB2's estimate of the buffer a snapshot needs.
struct db2GetSnapshotSizeData {
    void* piSqlmaData;  // sqlma*
    sqluint32* poBufferSize;
    db2Uint32 iVersion;
    db2int32 iNodeNumber;
    db2Uint32 iSnapshotClass;
};
DB2_PIN_OFFSET_BY_MODEL(db2GetSnapshotSizeData, iVersion, 8, 16);
DB2_PIN_OFFSET_BY_MODEL(db2GetSnapshotSizeData, iSnapshotClass, 16, 24);
DB2_PIN_SIZE_BY_MODEL(db2GetSnapshotSizeData, 20, 32);

// db2MonitorSwitches: piGroupStates holds SQLM_NUM_GROUPS groups (SQLM_NUM_GROUPS_PREV8 below
// stream version 7).
struct db2MonitorSwitchesData {
    sqlm_recording_group* piGroupStates;
    void* poBuffer;  // the switch states as a stream, when iReturnData
    db2Uint32 iBufferSize;
    db2Uint32 iReturnData;
    db2Uint32 iVersion;
    db2int32 iNodeNumber;
    db2Uint32* poOutputFormat;
};
DB2_PIN_OFFSET_BY_MODEL(db2MonitorSwitchesData, iBufferSize, 8, 16);
DB2_PIN_OFFSET_BY_MODEL(db2MonitorSwitchesData, iNodeNumber, 20, 28);
DB2_PIN_OFFSET_BY_MODEL(db2MonitorSwitchesData, poOutputFormat, 24, 32);
DB2_PIN_SIZE_BY_MODEL(db2MonitorSwitchesData, 28, 40);

// db2ResetMonitor.
struct db2ResetMonitorData {
    db2Uint32 iResetAll;  // 1: every database of the instance; 0: piDbAlias only
    char* piDbAlias;
    db2Uint32 iVersion;
    db2int32 iNodeNumber;
};
DB2_PIN_OFFSET_BY_MODEL(db2ResetMonitorData, piDbAlias, 4, 8);
DB2_PIN_OFFSET_BY_MODEL(db2ResetMonitorData, iNodeNumber, 12, 20);
DB2_PIN_SIZE_BY_MODEL(db2ResetMonitorData, 16, 24);

// sqlefrce: all applications.
constexpr sqlint32 SQL_ALL_USERS = -1;
constexpr unsigned short SQL_ASYNCH = 0;

// ---------------------------------------------------------------------------------------------
// The self-describing monitor data stream: every element starts with this header; a logical
// group (SQLM_TYPE_HEADER) holds `size` bytes of further elements, a base element `size`
// bytes of data.

struct sqlm_header_info {
    sqluint32 size;  // bytes after this header
    sqluint16 type;
    sqluint16 element;
};
DB2_PIN_SIZE(sqlm_header_info, 8);
DB2_PIN_OFFSET(sqlm_header_info, type, 4);
DB2_PIN_OFFSET(sqlm_header_info, element, 6);

// Element types.
constexpr sqluint16 SQLM_TYPE_HEADER = 1;
constexpr sqluint16 SQLM_TYPE_STRING = 50;
constexpr sqluint16 SQLM_TYPE_U8BIT = 51;
constexpr sqluint16 SQLM_TYPE_8BIT = 52;
constexpr sqluint16 SQLM_TYPE_16BIT = 53;
constexpr sqluint16 SQLM_TYPE_U16BIT = 54;
constexpr sqluint16 SQLM_TYPE_32BIT = 55;
constexpr sqluint16 SQLM_TYPE_U32BIT = 56;
constexpr sqluint16 SQLM_TYPE_U64BIT = 57;
constexpr sqluint16 SQLM_TYPE_64BIT = 58;
constexpr sqluint16 SQLM_TYPE_HANDLE = 59;

// Logical groups.
constexpr sqluint16 SQLM_ELM_DB2 = 1;
constexpr sqluint16 SQLM_ELM_APPL_INFO = 4;
constexpr sqluint16 SQLM_ELM_APPL = 5;
constexpr sqluint16 SQLM_ELM_AGENT = 10;
constexpr sqluint16 SQLM_ELM_LOCK_WAIT = 11;
constexpr sqluint16 SQLM_ELM_DBASE = 13;
constexpr sqluint16 SQLM_ELM_TABLE = 15;
constexpr sqluint16 SQLM_ELM_LOCK = 16;
constexpr sqluint16 SQLM_ELM_TABLESPACE = 17;
constexpr sqluint16 SQLM_ELM_BUFFERPOOL = 18;
constexpr sqluint16 SQLM_ELM_COLLECTED = 20;  // first element of every snapshot stream
constexpr sqluint16 SQLM_ELM_SWITCH_LIST = 21;
constexpr sqluint16 SQLM_ELM_UOW_SW = 22;
constexpr sqluint16 SQLM_ELM_STATEMENT_SW = 23;
constexpr sqluint16 SQLM_ELM_TABLE_SW = 24;
constexpr sqluint16 SQLM_ELM_BUFFPOOL_SW = 25;
constexpr sqluint16 SQLM_ELM_LOCK_SW = 26;
constexpr sqluint16 SQLM_ELM_SORT_SW = 27;
constexpr sqluint16 SQLM_ELM_TABLE_LIST = 28;
constexpr sqluint16 SQLM_ELM_TABLESPACE_LIST = 29;
constexpr sqluint16 SQLM_ELM_APPL_LOCK_LIST = 31;
constexpr sqluint16 SQLM_ELM_DB_LOCK_LIST = 32;
constexpr sqluint16 SQLM_ELM_TIMESTAMP_SW = 38;
constexpr sqluint16 SQLM_ELM_TABLESPACE_CONTAINER = 42;
constexpr sqluint16 SQLM_ELM_TABLESPACE_NODEINFO = 45;

// Timestamps: logical groups of SQLM_ELM_SECONDS and SQLM_ELM_MICROSEC.
constexpr sqluint16 SQLM_ELM_TIME_STAMP = 200;
constexpr sqluint16 SQLM_ELM_LAST_RESET = 208;
constexpr sqluint16 SQLM_ELM_DB2START_TIME = 209;
constexpr sqluint16 SQLM_ELM_DB_CONN_TIME = 210;
constexpr sqluint16 SQLM_ELM_LAST_BACKUP = 211;
constexpr sqluint16 SQLM_ELM_APPL_CON_TIME = 213;
constexpr sqluint16 SQLM_ELM_SWITCH_SET_TIME = 230;

// Base elements.
constexpr sqluint16 SQLM_ELM_SECONDS = 300;
constexpr sqluint16 SQLM_ELM_MICROSEC = 301;
constexpr sqluint16 SQLM_ELM_AGENT_ID = 302;
constexpr sqluint16 SQLM_ELM_SERVER_DB2_TYPE = 303;
constexpr sqluint16 SQLM_ELM_SERVER_PRDID = 304;
constexpr sqluint16 SQLM_ELM_SERVER_NNAME = 305;
constexpr sqluint16 SQLM_ELM_SERVER_INSTANCE_NAME = 306;
constexpr sqluint16 SQLM_ELM_NODE_NUMBER = 307;
constexpr sqluint16 SQLM_ELM_TIME_ZONE_DISP = 308;
constexpr sqluint16 SQLM_ELM_SERVER_VERSION = 309;
constexpr sqluint16 SQLM_ELM_APPL_STATUS = 310;
constexpr sqluint16 SQLM_ELM_CODEPAGE_ID = 311;
constexpr sqluint16 SQLM_ELM_APPL_NAME = 313;
constexpr sqluint16 SQLM_ELM_APPL_ID = 314;
constexpr sqluint16 SQLM_ELM_SEQUENCE_NO = 315;
constexpr sqluint16 SQLM_ELM_AUTH_ID = 316;
constexpr sqluint16 SQLM_ELM_CLIENT_NNAME = 317;
constexpr sqluint16 SQLM_ELM_INPUT_DB_ALIAS = 319;
constexpr sqluint16 SQLM_ELM_CLIENT_DB_ALIAS = 320;
constexpr sqluint16 SQLM_ELM_DB_NAME = 321;
constexpr sqluint16 SQLM_ELM_DB_PATH = 322;
constexpr sqluint16 SQLM_ELM_OUTPUT_STATE = 344;
constexpr sqluint16 SQLM_ELM_LOCKS_HELD = 419;
constexpr sqluint16 SQLM_ELM_LOCK_WAITS = 420;
constexpr sqluint16 SQLM_ELM_DEADLOCKS = 423;
constexpr sqluint16 SQLM_ELM_TOTAL_SORTS = 427;
constexpr sqluint16 SQLM_ELM_POOL_DATA_L_READS = 431;
constexpr sqluint16 SQLM_ELM_POOL_DATA_P_READS = 432;
constexpr sqluint16 SQLM_ELM_POOL_DATA_WRITES = 433;
constexpr sqluint16 SQLM_ELM_POOL_INDEX_L_READS = 434;
constexpr sqluint16 SQLM_ELM_POOL_INDEX_P_READS = 435;
constexpr sqluint16 SQLM_ELM_ROWS_DELETED = 451;
constexpr sqluint16 SQLM_ELM_ROWS_INSERTED = 452;
constexpr sqluint16 SQLM_ELM_ROWS_UPDATED = 453;
constexpr sqluint16 SQLM_ELM_TOTAL_CONS = 457;
constexpr sqluint16 SQLM_ELM_APPLS_CUR_CONS = 458;
constexpr sqluint16 SQLM_ELM_DB_STATUS = 468;
constexpr sqluint16 SQLM_ELM_CONNECTIONS_TOP = 470;

// sqlcode of a snapshot whose buffer was too small.
constexpr sqlint32 SQLM_RC_BUFFER_FULL = 1606;

// ---------------------------------------------------------------------------------------------
// Table space and container queries (sqlbmtsq, sqlbgtss, sqlbtcq).

constexpr std::size_t SQLB_SVERSION_SIZE = 8;
constexpr char SQLB_TBSPQRY_DATA_ID[] = "TBSQ0030";
static_assert(sizeof(SQLB_TBSPQRY_DATA_ID) == SQLB_SVERSION_SIZE + 1, "TBSQ0030 length");
constexpr std::size_t SQLB_MAX_TBS_NAME_SZ = 128;
constexpr std::size_t SQLB_MAX_QUIESCERS = 5;
constexpr std::size_t SQLB_MIN_REC_TIME_SZ = 27;

// sqlbmtsq's reserved arguments.
constexpr sqluint32 SQLB_RESERVED1 = 0xFFFD;
constexpr sqluint32 SQLB_RESERVED2 = 0xFFFE;

// flags: type in the low nibble, contents in the next.
constexpr sqluint32 SQLB_TBS_TYPE_MASK = 0x0F;
constexpr sqluint32 SQLB_TBS_SMS = 0x01;
constexpr sqluint32 SQLB_TBS_DMS = 0x02;
constexpr sqluint32 SQLB_TBS_CONTENT_MASK = 0xF0;
constexpr sqluint32 SQLB_TBS_ANY = 0x00;
constexpr sqluint32 SQLB_TBS_SYSTMP = 0x10;
constexpr sqluint32 SQLB_TBS_LONG = 0x20;
constexpr sqluint32 SQLB_TBS_USRTMP = 0x40;

// tbsState bits (a few; the listing shows the number).
constexpr sqluint32 SQLB_NORMAL = 0x0;
constexpr sqluint32 SQLB_QUIESCED_SHARE = 0x1;
constexpr sqluint32 SQLB_QUIESCED_UPDATE = 0x2;
constexpr sqluint32 SQLB_QUIESCED_EXCLUSIVE = 0x4;
constexpr sqluint32 SQLB_BACKUP_PENDING = 0x20;
constexpr sqluint32 SQLB_ROLLFORWARD_PENDING = 0x80;
constexpr sqluint32 SQLB_OFFLINE = 0x4000;

struct SQLB_QUIESCER_DATA {
    sqluint32 quiesceId;
    sqluint32 quiesceObject;
};
DB2_PIN_SIZE(SQLB_QUIESCER_DATA, 8);

struct SQLB_TBSPQRY_DATA {
    char tbspqver[SQLB_SVERSION_SIZE];  // "TBSQ0030", no terminator
    sqluint32 id;
    sqluint32 nameLen;
    char name[SQLB_MAX_TBS_NAME_SZ];
    sqluint32 totalPages;
    sqluint32 useablePages;
    sqluint32 flags;
    sqluint32 pageSize;
    sqluint32 extSize;
    sqluint32 prefetchSize;
    sqluint32 nContainers;
    sqluint32 tbsState;
    char lifeLSN[6];
    char pad[2];
    sqluint32 flags2;
    char minimumRecTime[SQLB_MIN_REC_TIME_SZ];
    char pad1[1];
    sqluint32 StateChngObj;
    sqluint32 StateChngID;
    sqluint32 nQuiescers;
    SQLB_QUIESCER_DATA quiescer[SQLB_MAX_QUIESCERS];
    unsigned char fsCaching;
    char reserved[31];
};
DB2_PIN_OFFSET(SQLB_TBSPQRY_DATA, id, 8);
DB2_PIN_OFFSET(SQLB_TBSPQRY_DATA, name, 16);
DB2_PIN_OFFSET(SQLB_TBSPQRY_DATA, totalPages, 144);
DB2_PIN_OFFSET(SQLB_TBSPQRY_DATA, tbsState, 172);
DB2_PIN_OFFSET(SQLB_TBSPQRY_DATA, flags2, 184);
DB2_PIN_OFFSET(SQLB_TBSPQRY_DATA, minimumRecTime, 188);
DB2_PIN_OFFSET(SQLB_TBSPQRY_DATA, StateChngObj, 216);
DB2_PIN_OFFSET(SQLB_TBSPQRY_DATA, quiescer, 228);
DB2_PIN_OFFSET(SQLB_TBSPQRY_DATA, fsCaching, 268);
DB2_PIN_SIZE(SQLB_TBSPQRY_DATA, 300);

struct SQLB_TBS_STATS {
    sqluint32 totalPages;
    sqluint32 useablePages;
    sqluint32 usedPages;
    sqluint32 freePages;
    sqluint32 highWaterMark;
};
DB2_PIN_SIZE(SQLB_TBS_STATS, 20);

// Container types (contType).
constexpr sqluint32 SQLB_CONT_PATH = 0;
constexpr sqluint32 SQLB_CONT_DISK = 1;
constexpr sqluint32 SQLB_CONT_FILE = 2;

struct SQLB_TBSCONTQRY_DATA {
    sqluint32 id;
    sqluint32 nTbs;
    sqluint32 tbsID;
    sqluint32 nameLen;
    char name[SQLB_MAX_CONTAIN_NAME_SZ];
    sqluint32 underDBDir;
    sqluint32 contType;
    sqluint32 totalPages;
    sqluint32 useablePages;
    sqluint32 ok;
};
DB2_PIN_OFFSET(SQLB_TBSCONTQRY_DATA, name, 16);
DB2_PIN_OFFSET(SQLB_TBSCONTQRY_DATA, contType, 276);
DB2_PIN_OFFSET(SQLB_TBSCONTQRY_DATA, ok, 288);
DB2_PIN_SIZE(SQLB_TBSCONTQRY_DATA, 292);

// ---------------------------------------------------------------------------------------------
// In-doubt transactions: XA (sqlxphqr) and DRDA (sqlcspqy before 9.0, db2SpmListIndTrans from
// 9.0). The XA standard declares the XID's numbers as long; DB2 sends 32-bit ones.

constexpr std::size_t SQLXA_XIDDATASIZE = 128;

struct SQLXA_XID {
    sqlint32 formatID;  // -1: a null XID
    sqlint32 gtrid_length;
    sqlint32 bqual_length;
    char data[SQLXA_XIDDATASIZE];  // binary; gtrid_length + bqual_length bytes are meaningful
};
DB2_PIN_OFFSET(SQLXA_XID, data, 12);
DB2_PIN_SIZE(SQLXA_XID, 140);

constexpr std::size_t SQLXA_DBALIAS_SZ = 8;
constexpr std::size_t SQLXA_APPLID_SZ = 32;
constexpr std::size_t SQLXA_SEQ_SZ = 4;
constexpr std::size_t SQLXA_AUTHID_SZ = 8;

// sqlxphqr query action and in-doubt states.
constexpr int SQLXA_EXE_THIS_NODE = 0;
constexpr char SQLXA_TS_PREP = 'i';  // in doubt
constexpr char SQLXA_TS_HCOM = 'c';  // heuristically committed
constexpr char SQLXA_TS_HROL = 'r';  // heuristically rolled back
constexpr char SQLXA_TS_MACK = 'm';  // missing commit acknowledgement
constexpr char SQLXA_TS_END = 'e';   // idle
constexpr char SQLXA_ORIG_PE = 0;    // started by DB2
constexpr char SQLXA_ORIG_FXA = 1;   // started by an XA transaction manager

struct SQLXA_RECOVER {
    sqluint32 timestamp;
    SQLXA_XID xid;
    char dbalias[SQLXA_DBALIAS_SZ];
    char applid[SQLXA_APPLID_SZ];
    char sequence_no[SQLXA_SEQ_SZ];
    char auth_id[SQLXA_AUTHID_SZ];
    char log_full;
    char connected;
    char indoubt_status;
    char originator;
    char reserved[8];
};
typedef SQLXA_RECOVER sqlxa_recover_t;
DB2_PIN_OFFSET(SQLXA_RECOVER, xid, 4);
DB2_PIN_OFFSET(SQLXA_RECOVER, dbalias, 144);
DB2_PIN_OFFSET(SQLXA_RECOVER, applid, 152);
DB2_PIN_OFFSET(SQLXA_RECOVER, sequence_no, 184);
DB2_PIN_OFFSET(SQLXA_RECOVER, auth_id, 188);
DB2_PIN_OFFSET(SQLXA_RECOVER, log_full, 196);
DB2_PIN_OFFSET(SQLXA_RECOVER, originator, 199);
DB2_PIN_SIZE(SQLXA_RECOVER, 208);

// DRDA fields: widths include a terminator.
constexpr std::size_t SQLCSPQY_LUWID_SZ = 36;
constexpr std::size_t SQLCSPQY_CORRTOK_SZ = 33;
constexpr std::size_t SQLCSPQY_CORRTOK_SZ_V9 = 65;
constexpr std::size_t SQLCSPQY_PARTNER_SZ = 18;
constexpr std::size_t SQLCSPQY_DBNAME_SZ = 9;

// Role, unit-of-work and partner states (single characters).
constexpr char SQLCSPQY_AR = 'R';  // application requester
constexpr char SQLCSPQY_AS = 'S';  // application server
constexpr char SQLCSPQY_STATUS_COM = 'C';
constexpr char SQLCSPQY_STATUS_RBK = 'R';
constexpr char SQLCSPQY_STATUS_IDB = 'I';
constexpr char SQLCSPQY_STATUS_HCM = 'H';
constexpr char SQLCSPQY_STATUS_HRB = 'B';

// sqlcspqy (clients before 9.0).
struct SQLCSPQY_INDOUBT {
    SQLXA_XID xid;
    char luwid[SQLCSPQY_LUWID_SZ];
    char corrtok[SQLCSPQY_CORRTOK_SZ];
    char partner[SQLCSPQY_PARTNER_SZ];
    char dbname[SQLCSPQY_DBNAME_SZ];
    char dbalias[SQLCSPQY_DBNAME_SZ];
    char role;
    char uow_status;
    char partner_status;
};
typedef SQLCSPQY_INDOUBT sqlcspqy_indoubt_t;
DB2_PIN_OFFSET(SQLCSPQY_INDOUBT, luwid, 140);
DB2_PIN_OFFSET(SQLCSPQY_INDOUBT, corrtok, 176);
DB2_PIN_OFFSET(SQLCSPQY_INDOUBT, partner, 209);
DB2_PIN_OFFSET(SQLCSPQY_INDOUBT, dbname, 227);
DB2_PIN_OFFSET(SQLCSPQY_INDOUBT, dbalias, 236);
DB2_PIN_OFFSET(SQLCSPQY_INDOUBT, role, 245);
DB2_PIN_SIZE(SQLCSPQY_INDOUBT, 248);

// db2SpmListIndTrans (9.0 and later): the caller supplies the entry buffer.
struct db2SpmRecoverStruct {
    SQLXA_XID xid;
    char luwid[SQLCSPQY_LUWID_SZ];
    char corrtok[SQLCSPQY_CORRTOK_SZ_V9];
    char partner[SQLCSPQY_PARTNER_SZ];
    char dbname[SQLCSPQY_DBNAME_SZ];
    char dbalias[SQLCSPQY_DBNAME_SZ];
    char role;
    char uow_status;
    char partner_status;
};
DB2_PIN_OFFSET(db2SpmRecoverStruct, corrtok, 176);
DB2_PIN_OFFSET(db2SpmRecoverStruct, partner, 241);
DB2_PIN_OFFSET(db2SpmRecoverStruct, dbname, 259);
DB2_PIN_OFFSET(db2SpmRecoverStruct, role, 277);
DB2_PIN_SIZE(db2SpmRecoverStruct, 280);

struct db2SpmListIndTransStruct {
    db2SpmRecoverStruct* piIndoubtData;  // caller's buffer, or null to ask for the size
    db2Uint32 iIndoubtDataLen;           // bytes at piIndoubtData
    db2Uint32 oNumIndoubtsReturned;
    db2Uint32 oNumIndoubtsTotal;
    db2Uint32 oReqBufferLen;  // bytes needed for every entry
};
DB2_PIN_OFFSET_BY_MODEL(db2SpmListIndTransStruct, iIndoubtDataLen, 4, 8);
DB2_PIN_OFFSET_BY_MODEL(db2SpmListIndTransStruct, oReqBufferLen, 16, 20);
DB2_PIN_SIZE_BY_MODEL(db2SpmListIndTransStruct, 20, 24);
