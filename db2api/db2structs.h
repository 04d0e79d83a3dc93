// The DB2 structures the directory and configuration commands exchange with the client library,
// declared from the published API reference. Unix layouts (natural alignment); every size and
// offset is pinned below, for both LP64 and ILP32, so a slip shows at compile time.
//
// Character fields of directory entries handed out by the client are blank-padded and not
// terminated: read them at their width. Fields the caller fills (node, DCS entries) carry one
// extra byte for a terminating NUL.
#pragma once

#include <cstddef>
#include <cstdint>

#include "db2types.h"

// ---------------------------------------------------------------------------------------------
// Field widths.
constexpr std::size_t SQL_ALIAS_SZ = 8;
constexpr std::size_t SQL_DBNAME_SZ = 8;
constexpr std::size_t SQL_DRIVE_SZ = 215;  // 12 on Windows; we build for Unix only
constexpr std::size_t SQL_INAME_SZ = 8;
constexpr std::size_t SQL_NNAME_SZ = 8;
constexpr std::size_t SQL_DBTYPE_SZ = 20;
constexpr std::size_t SQL_CMT_SZ = 30;
constexpr std::size_t SQL_DIR_NAME_SZ = 255;  // global database name
constexpr std::size_t SQL_DCEPRIN_SZ = 1024;
constexpr std::size_t SQL_LU_SZ = 8;
constexpr std::size_t SQL_MODE_SZ = 8;
constexpr std::size_t SQL_NETID_SZ = 8;
constexpr std::size_t SQL_SYM_DEST_SZ = 8;
constexpr std::size_t SQL_HOSTNAME_SZ = 255;
constexpr std::size_t SQL_SERVICE_NAME_SZ = 14;
constexpr std::size_t SQL_FILESERVER_SZ = 48;
constexpr std::size_t SQL_OBJECTNAME_SZ = 48;
constexpr std::size_t SQL_INSTNAME_SZ = 8;
constexpr std::size_t SQL_COMPUTERNAME_SZ = 15;
constexpr std::size_t SQL_SYSTEM_NAME_SZ = 21;
constexpr std::size_t SQL_TPNAME_SZ = 64;
constexpr std::size_t SQL_LANADDRESS_SZ = 12;
constexpr std::size_t SQL_RMTNAME_SZ = 8;  // NetBIOS remote node name
constexpr std::size_t SQL_DCS_CMT_SZ = 30;
constexpr std::size_t SQL_DCS_LDB_SZ = 8;
constexpr std::size_t SQL_DCS_TDB_SZ = 18;
constexpr std::size_t SQL_AR_SZ = 32;  // 8 before release 9.5
constexpr std::size_t SQL_DCS_PARMS_SZ = 512;

// ---------------------------------------------------------------------------------------------
// Structure identifiers the caller stores in struct_id.
constexpr sqluint16 SQL_DCS_STR_ID = 0x100;
constexpr sqluint16 SQL_NODE_STR_ID = 0x200;

// Communication protocols (sqleninfo.protocol, sqle_node_struct.protocol).
constexpr unsigned char SQL_PROTOCOL_APPC = 0;
constexpr unsigned char SQL_PROTOCOL_NETB = 1;
constexpr unsigned char SQL_PROTOCOL_APPN = 2;
constexpr unsigned char SQL_PROTOCOL_TCPIP = 3;
constexpr unsigned char SQL_PROTOCOL_CPIC = 4;
constexpr unsigned char SQL_PROTOCOL_IPXSPX = 5;
constexpr unsigned char SQL_PROTOCOL_LOCAL = 6;
constexpr unsigned char SQL_PROTOCOL_NPIPE = 7;
constexpr unsigned char SQL_PROTOCOL_SOCKS = 8;
constexpr unsigned char SQL_PROTOCOL_TCPIP4 = 9;
constexpr unsigned char SQL_PROTOCOL_TCPIP6 = 10;
constexpr unsigned char SQL_PROTOCOL_SOCKS4 = 11;

// Database directory entry types (sqledinfo.type).
constexpr char SQL_INDIRECT = '0';
constexpr char SQL_REMOTE = '1';
constexpr char SQL_HOME = '2';
constexpr char SQL_DCE = '3';
constexpr char SQL_LDAP = '4';

// Authentication types (sqledinfo.authentication, catalog database).
constexpr unsigned short SQL_AUTHENTICATION_SERVER = 0;
constexpr unsigned short SQL_AUTHENTICATION_CLIENT = 1;
constexpr unsigned short SQL_AUTHENTICATION_DCS = 2;
constexpr unsigned short SQL_AUTHENTICATION_DCE = 3;
constexpr unsigned short SQL_AUTHENTICATION_SVR_ENCRYPT = 4;
constexpr unsigned short SQL_AUTHENTICATION_NOT_SPEC = 255;

// ---------------------------------------------------------------------------------------------
// Database directory entry (sqledgne).
struct sqledinfo {
    char alias[SQL_ALIAS_SZ];
    char dbname[SQL_DBNAME_SZ];
    char drive[SQL_DRIVE_SZ];
    char intname[SQL_INAME_SZ];
    char nodename[SQL_NNAME_SZ];
    char dbtype[SQL_DBTYPE_SZ];
    char comment[SQL_CMT_SZ];
    short com_codepage;
    char type;
    unsigned short authentication;
    char glbdbname[SQL_DIR_NAME_SZ];
    char dceprincipal[SQL_DCEPRIN_SZ];
    short cat_nodenum;
    short nodenum;
};

// Node directory entry (sqlengne).
struct sqleninfo {
    char nodename[SQL_NNAME_SZ];
    char local_lu[SQL_LU_SZ];
    char partner_lu[SQL_LU_SZ];
    char mode[SQL_MODE_SZ];
    char comment[SQL_CMT_SZ];
    unsigned short com_codepage;
    unsigned short adapter;
    char networkid[SQL_NETID_SZ];
    char protocol;
    char sym_dest_name[SQL_SYM_DEST_SZ];
    unsigned short security_type;
    char hostname[SQL_HOSTNAME_SZ];
    char service_name[SQL_SERVICE_NAME_SZ];
    char fileserver[SQL_FILESERVER_SZ];
    char objectname[SQL_OBJECTNAME_SZ];
    char instance_name[SQL_INSTNAME_SZ];
    char computername[SQL_COMPUTERNAME_SZ];
    char system_name[SQL_SYSTEM_NAME_SZ];
    char remote_instname[SQL_INSTNAME_SZ];
    char catalog_node_type;
    unsigned short os_type;
    char chgpwd_lu[SQL_LU_SZ];
    char transpn[SQL_TPNAME_SZ];
    char lanaddr[SQL_LANADDRESS_SZ];
};

// DCS directory entry (sqlegdad, sqlegdel, sqlegdgt); the 9.5 and later layout.
struct sql_dir_entry {
    unsigned short struct_id;  // SQL_DCS_STR_ID
    unsigned short release;    // set by the client
    unsigned short codepage;
    char comment[SQL_DCS_CMT_SZ + 1];
    char ldb[SQL_DCS_LDB_SZ + 1];
    char tdb[SQL_DCS_TDB_SZ + 1];
    char ar[SQL_AR_SZ + 1];
    char parm[SQL_DCS_PARMS_SZ + 1];
};

// Node to catalog (sqlectnd); followed by one protocol structure below.
struct sqle_node_struct {
    unsigned short struct_id;  // SQL_NODE_STR_ID
    unsigned short codepage;
    char comment[SQL_CMT_SZ + 1];
    char nodename[SQL_NNAME_SZ + 1];
    unsigned char protocol;  // SQL_PROTOCOL_*
};

// TCP/IP; also for TCPIP4, TCPIP6 and SOCKS.
struct sqle_node_tcpip {
    char hostname[SQL_HOSTNAME_SZ + 1];
    char service_name[SQL_SERVICE_NAME_SZ + 1];
};

struct sqle_node_netb {
    unsigned short adapter;
    char remote_nname[SQL_RMTNAME_SZ + 1];
};

struct sqle_node_appc {
    char local_lu[SQL_LU_SZ + 1];
    char partner_lu[SQL_LU_SZ + 1];
    char mode[SQL_MODE_SZ + 1];
};

struct sqle_node_appn {
    char networkid[SQL_NETID_SZ + 1];
    char remote_lu[SQL_LU_SZ + 1];
    char local_lu[SQL_LU_SZ + 1];
    char mode[SQL_MODE_SZ + 1];
    char chgpwd_lu[SQL_LU_SZ + 1];
    char transpn[SQL_TPNAME_SZ + 1];
    char lanaddr[SQL_LANADDRESS_SZ + 1];
    unsigned short security_type;
};

struct sqle_node_cpic {
    char sym_dest_name[SQL_SYM_DEST_SZ + 1];
    unsigned short security_type;
};

struct sqle_node_ipxspx {
    char fileserver[SQL_FILESERVER_SZ + 1];
    char objectname[SQL_OBJECTNAME_SZ + 1];
};

struct sqle_node_local {
    char instance_name[SQL_INSTNAME_SZ + 1];
};

struct sqle_node_npipe {
    char computername[SQL_COMPUTERNAME_SZ + 1];
    char instance_name[SQL_INSTNAME_SZ + 1];
};

// ---------------------------------------------------------------------------------------------
// Configuration (db2CfgGet, db2CfgSet from 8.1 on).
struct db2CfgParam {
    db2Uint32 token;
    char* ptrvalue;  // a buffer of exactly the parameter's width
    db2Uint32 flags;
};

// The 9.x layout, with dbpartitionnum; read by the client up to the version number passed.
struct db2Cfg {
    db2Uint32 numItems;
    db2CfgParam* paramArray;
    db2Uint32 flags;
    char* dbname;
    SQL_PDB_NODE_TYPE dbpartitionnum;
};

// One parameter of the older configuration calls (sqlfxsys, sqlfxdb and their update twins).
struct sqlfupd {
    unsigned short token;
    char* ptrvalue;
};

// db2CfgParam.flags.
constexpr db2Uint32 db2CfgParamAutomatic = 1;
constexpr db2Uint32 db2CfgParamComputed = 2;  // 9.1 and later
constexpr db2Uint32 db2CfgParamManual = 16;   // set only

// db2Cfg.flags.
constexpr db2Uint32 db2CfgDatabase = 1;
constexpr db2Uint32 db2CfgDatabaseManager = 2;
constexpr db2Uint32 db2CfgImmediate = 4;
constexpr db2Uint32 db2CfgDelayed = 8;
constexpr db2Uint32 db2CfgGetDefaults = 64;  // get
constexpr db2Uint32 db2CfgReset = 64;        // set
constexpr db2Uint32 db2CfgSingleDbpartition = 512;

// Most parameters one db2CfgGet/db2CfgSet call accepts.
constexpr db2Uint32 db2CfgMaxParam = 64;

// ---------------------------------------------------------------------------------------------
// Configuration advisor (db2AutoConfig, db2AutoConfigFreeMemory).
constexpr std::size_t DB2_SG_PROD_VERSION_SIZE = 16;

struct db2AutoConfigElement {
    db2int32 token;  // DB2_SG_* on input; a configuration or diagnostic token on output
    db2int32 value;
};

struct db2AutoConfigArray {
    db2Uint32 numElements;
    db2AutoConfigElement* pElements;
};

using db2AutoConfigInput = db2AutoConfigArray;
using db2AutoConfigDiags = db2AutoConfigArray;

struct db2AutoConfigNameElement {
    char* pName;     // buffer pool name
    db2int32 value;  // size in pages
};

struct db2AutoConfigNameArray {
    db2Uint32 numElements;
    db2AutoConfigNameElement* pElements;
};

using db2BpValues = db2AutoConfigNameArray;

// One set of recommended or current values; pDataArea holds the values pConfigs points into.
// Declared as db2CfgParam items, which they are from db2Version900 on; a call that named
// db2Version810 gets sqlfupd items instead, and the reader must view them as such.
struct db2ConfigValues {
    db2Uint32 numElements;
    db2CfgParam* pConfigs;
    void* pDataArea;
};

// Filled by the client; released only through db2AutoConfigFreeMemory.
struct db2AutoConfigOutput {
    db2ConfigValues oOldDbValues;
    db2ConfigValues oOldDbmValues;
    db2ConfigValues oNewDbValues;
    db2ConfigValues oNewDbmValues;
    db2AutoConfigDiags oDiagnostics;
    db2BpValues oOldBpValues;
    db2BpValues oNewBpValues;
};

struct db2AutoConfigInterface {
    db2int32 iProductID;  // DB2_SG_PID_DEFAULT
    char iProductVersion[DB2_SG_PROD_VERSION_SIZE + 1];
    char iDbAlias[SQL_ALIAS_SZ + 1];
    db2int32 iApply;  // DB2_SG_*APPLY*
    db2AutoConfigInput iParams;
    db2AutoConfigOutput oResult;
};

// iProductID.
constexpr db2int32 DB2_SG_PID_DEFAULT = 0;

// iApply.
constexpr db2int32 DB2_SG_NOT_APPLY = 0;
constexpr db2int32 DB2_SG_APPLY = 1;
constexpr db2int32 DB2_SG_APPLY_DB = 2;
constexpr db2int32 DB2_SG_APPLY_DBM = 4;

// Input tokens (db2AutoConfigElement.token in iParams).
constexpr db2int32 DB2_SG_MEMORY_PERCENTAGE = 1;
constexpr db2int32 DB2_SG_DB_TYPE = 2;
constexpr db2int32 DB2_SG_NUM_STATEMENTS = 3;
constexpr db2int32 DB2_SG_TRANS_PER_MIN = 4;
constexpr db2int32 DB2_SG_ADMIN_PRIORITY = 5;
constexpr db2int32 DB2_SG_IS_POPULATED = 6;
constexpr db2int32 DB2_SG_NUM_LOCAL_APPS = 7;
constexpr db2int32 DB2_SG_NUM_REMOTE_APPS = 8;
constexpr db2int32 DB2_SG_ISOLATION = 9;
constexpr db2int32 DB2_SG_BP_RESIZEABLE = 10;

// ---------------------------------------------------------------------------------------------
// Layouts pinned.
#define DB2_PIN_SIZE(type, size) static_assert(sizeof(type) == (size), #type " size")
#define DB2_PIN_OFFSET(type, field, off) \
    static_assert(offsetof(type, field) == (off), #type "." #field " offset")

DB2_PIN_SIZE(sqledinfo, 1588);
DB2_PIN_OFFSET(sqledinfo, dbname, 8);
DB2_PIN_OFFSET(sqledinfo, drive, 16);
DB2_PIN_OFFSET(sqledinfo, intname, 231);
DB2_PIN_OFFSET(sqledinfo, nodename, 239);
DB2_PIN_OFFSET(sqledinfo, dbtype, 247);
DB2_PIN_OFFSET(sqledinfo, comment, 267);
DB2_PIN_OFFSET(sqledinfo, com_codepage, 298);
DB2_PIN_OFFSET(sqledinfo, type, 300);
DB2_PIN_OFFSET(sqledinfo, authentication, 302);
DB2_PIN_OFFSET(sqledinfo, glbdbname, 304);
DB2_PIN_OFFSET(sqledinfo, dceprincipal, 559);
DB2_PIN_OFFSET(sqledinfo, cat_nodenum, 1584);
DB2_PIN_OFFSET(sqledinfo, nodenum, 1586);

DB2_PIN_SIZE(sqleninfo, 590);
DB2_PIN_OFFSET(sqleninfo, local_lu, 8);
DB2_PIN_OFFSET(sqleninfo, partner_lu, 16);
DB2_PIN_OFFSET(sqleninfo, mode, 24);
DB2_PIN_OFFSET(sqleninfo, comment, 32);
DB2_PIN_OFFSET(sqleninfo, com_codepage, 62);
DB2_PIN_OFFSET(sqleninfo, adapter, 64);
DB2_PIN_OFFSET(sqleninfo, networkid, 66);
DB2_PIN_OFFSET(sqleninfo, protocol, 74);
DB2_PIN_OFFSET(sqleninfo, sym_dest_name, 75);
DB2_PIN_OFFSET(sqleninfo, security_type, 84);
DB2_PIN_OFFSET(sqleninfo, hostname, 86);
DB2_PIN_OFFSET(sqleninfo, service_name, 341);
DB2_PIN_OFFSET(sqleninfo, fileserver, 355);
DB2_PIN_OFFSET(sqleninfo, objectname, 403);
DB2_PIN_OFFSET(sqleninfo, instance_name, 451);
DB2_PIN_OFFSET(sqleninfo, computername, 459);
DB2_PIN_OFFSET(sqleninfo, system_name, 474);
DB2_PIN_OFFSET(sqleninfo, remote_instname, 495);
DB2_PIN_OFFSET(sqleninfo, catalog_node_type, 503);
DB2_PIN_OFFSET(sqleninfo, os_type, 504);
DB2_PIN_OFFSET(sqleninfo, chgpwd_lu, 506);
DB2_PIN_OFFSET(sqleninfo, transpn, 514);
DB2_PIN_OFFSET(sqleninfo, lanaddr, 578);

DB2_PIN_SIZE(sql_dir_entry, 612);
DB2_PIN_OFFSET(sql_dir_entry, release, 2);
DB2_PIN_OFFSET(sql_dir_entry, codepage, 4);
DB2_PIN_OFFSET(sql_dir_entry, comment, 6);
DB2_PIN_OFFSET(sql_dir_entry, ldb, 37);
DB2_PIN_OFFSET(sql_dir_entry, tdb, 46);
DB2_PIN_OFFSET(sql_dir_entry, ar, 65);
DB2_PIN_OFFSET(sql_dir_entry, parm, 98);

DB2_PIN_SIZE(sqle_node_struct, 46);
DB2_PIN_OFFSET(sqle_node_struct, codepage, 2);
DB2_PIN_OFFSET(sqle_node_struct, comment, 4);
DB2_PIN_OFFSET(sqle_node_struct, nodename, 35);
DB2_PIN_OFFSET(sqle_node_struct, protocol, 44);

DB2_PIN_SIZE(sqle_node_tcpip, 271);
DB2_PIN_OFFSET(sqle_node_tcpip, service_name, 256);
DB2_PIN_SIZE(sqle_node_netb, 12);
DB2_PIN_OFFSET(sqle_node_netb, remote_nname, 2);
DB2_PIN_SIZE(sqle_node_appc, 27);
DB2_PIN_SIZE(sqle_node_appn, 126);
DB2_PIN_OFFSET(sqle_node_appn, transpn, 45);
DB2_PIN_OFFSET(sqle_node_appn, lanaddr, 110);
DB2_PIN_OFFSET(sqle_node_appn, security_type, 124);
DB2_PIN_SIZE(sqle_node_cpic, 12);
DB2_PIN_OFFSET(sqle_node_cpic, security_type, 10);
DB2_PIN_SIZE(sqle_node_ipxspx, 98);
DB2_PIN_SIZE(sqle_node_local, 9);
DB2_PIN_SIZE(sqle_node_npipe, 25);
DB2_PIN_OFFSET(sqle_node_npipe, instance_name, 16);

DB2_PIN_OFFSET(db2CfgParam, token, 0);
DB2_PIN_OFFSET(db2Cfg, numItems, 0);
DB2_PIN_OFFSET(sqlfupd, token, 0);
DB2_PIN_SIZE(db2AutoConfigElement, 8);
DB2_PIN_OFFSET(db2AutoConfigInterface, iProductVersion, 4);
DB2_PIN_OFFSET(db2AutoConfigInterface, iDbAlias, 21);
DB2_PIN_OFFSET(db2AutoConfigInterface, iApply, 32);
#if UINTPTR_MAX == 0xFFFFFFFF
DB2_PIN_SIZE(db2CfgParam, 12);
DB2_PIN_OFFSET(db2CfgParam, ptrvalue, 4);
DB2_PIN_OFFSET(db2CfgParam, flags, 8);
DB2_PIN_SIZE(db2Cfg, 20);
DB2_PIN_OFFSET(db2Cfg, paramArray, 4);
DB2_PIN_OFFSET(db2Cfg, flags, 8);
DB2_PIN_OFFSET(db2Cfg, dbname, 12);
DB2_PIN_OFFSET(db2Cfg, dbpartitionnum, 16);
DB2_PIN_SIZE(sqlfupd, 8);
DB2_PIN_OFFSET(sqlfupd, ptrvalue, 4);
DB2_PIN_SIZE(db2AutoConfigArray, 8);
DB2_PIN_SIZE(db2AutoConfigNameElement, 8);
DB2_PIN_SIZE(db2ConfigValues, 12);
DB2_PIN_SIZE(db2AutoConfigOutput, 72);
DB2_PIN_SIZE(db2AutoConfigInterface, 116);
DB2_PIN_OFFSET(db2AutoConfigInterface, iParams, 36);
DB2_PIN_OFFSET(db2AutoConfigInterface, oResult, 44);
DB2_PIN_OFFSET(db2AutoConfigOutput, oDiagnostics, 48);
DB2_PIN_OFFSET(db2AutoConfigOutput, oNewBpValues, 64);
#else
DB2_PIN_SIZE(db2CfgParam, 24);
DB2_PIN_OFFSET(db2CfgParam, ptrvalue, 8);
DB2_PIN_OFFSET(db2CfgParam, flags, 16);
DB2_PIN_SIZE(db2Cfg, 40);
DB2_PIN_OFFSET(db2Cfg, paramArray, 8);
DB2_PIN_OFFSET(db2Cfg, flags, 16);
DB2_PIN_OFFSET(db2Cfg, dbname, 24);
DB2_PIN_OFFSET(db2Cfg, dbpartitionnum, 32);
DB2_PIN_SIZE(sqlfupd, 16);
DB2_PIN_OFFSET(sqlfupd, ptrvalue, 8);
DB2_PIN_SIZE(db2AutoConfigArray, 16);
DB2_PIN_SIZE(db2AutoConfigNameElement, 16);
DB2_PIN_SIZE(db2ConfigValues, 24);
DB2_PIN_SIZE(db2AutoConfigOutput, 144);
DB2_PIN_SIZE(db2AutoConfigInterface, 200);
DB2_PIN_OFFSET(db2AutoConfigInterface, iParams, 40);
DB2_PIN_OFFSET(db2AutoConfigInterface, oResult, 56);
DB2_PIN_OFFSET(db2AutoConfigOutput, oDiagnostics, 96);
DB2_PIN_OFFSET(db2AutoConfigOutput, oNewBpValues, 128);
#endif

#undef DB2_PIN_SIZE
#undef DB2_PIN_OFFSET

// =============================================================================================
// Database state and partition commands: quiesce, restart, add partition. Callers zero each
// structure before filling it, so fields that later releases append read as "not asked for".

// db2DatabaseQuiesce.
struct db2DbQuiesceStruct {
    char* piDatabaseName;
    db2Uint32 iImmediate;  // 1: now; 0: wait for applications to finish (defer)
    db2Uint32 iForce;
    db2Uint32 iTimeout;  // minutes
};

// db2DatabaseUnquiesce.
struct db2DbUnquiesceStruct {
    char* piDatabaseName;
};

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

// db2InstanceUnquiesce.
struct db2InsUnquiesceStruct {
    char* piInstanceName;
};

// db2DatabaseRestart (same layout for version 7010000 and 8010000).
struct db2RestartDbStruct {
    char* piDatabaseName;
    char* piUserId;
    char* piPassword;
    char* piTablespaceNames;  // comma list of table spaces to drop at restart, or null
    db2int32 iOption;
};
constexpr db2int32 DB2_DB_SUSPEND_NONE = 0;
constexpr db2int32 DB2_DB_RESUME_WRITE = 1;

// sqleaddn. sqladdid is 8 characters with no terminator.
constexpr std::size_t SQLE_ADDN_OPTIONS_ID_SZ = 8;
constexpr char SQLE_ADDOPTID_V51[] = "SQLADD01";
struct sqle_addn_options {
    char sqladdid[SQLE_ADDN_OPTIONS_ID_SZ];
    sqluint32 tblspace_type;
    SQL_PDB_NODE_TYPE tblspace_node;  // used with SQLE_TABLESPACES_LIKE_NODE
};
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

static_assert(sizeof(sqle_addn_options) == 16, "sqle_addn_options size");
static_assert(offsetof(sqle_addn_options, tblspace_type) == 8, "sqle_addn_options.tblspace_type");
static_assert(offsetof(sqle_addn_options, tblspace_node) == 12, "sqle_addn_options.tblspace_node");
static_assert(sizeof(SQLE_ADDOPTID_V51) == SQLE_ADDN_OPTIONS_ID_SZ + 1, "SQLADD01 length");
static_assert(offsetof(db2DbQuiesceStruct, iImmediate) == sizeof(char*), "db2DbQuiesceStruct");
static_assert(offsetof(db2InsQuiesceStruct, iImmediate) == 3 * sizeof(char*),
              "db2InsQuiesceStruct.iImmediate");
static_assert(offsetof(db2RestartDbStruct, iOption) == 4 * sizeof(char*),
              "db2RestartDbStruct.iOption");
static_assert(sizeof(db2DbUnquiesceStruct) == sizeof(char*), "db2DbUnquiesceStruct size");
static_assert(sizeof(db2InsUnquiesceStruct) == sizeof(char*), "db2InsUnquiesceStruct size");
#if UINTPTR_MAX == 0xFFFFFFFF
static_assert(sizeof(db2DbQuiesceStruct) == 16, "db2DbQuiesceStruct size");
static_assert(sizeof(db2InsQuiesceStruct) == 28, "db2InsQuiesceStruct size");
static_assert(sizeof(db2RestartDbStruct) == 20, "db2RestartDbStruct size");
#else
static_assert(sizeof(db2DbQuiesceStruct) == 24, "db2DbQuiesceStruct size");
static_assert(sizeof(db2InsQuiesceStruct) == 40, "db2InsQuiesceStruct size");
static_assert(sizeof(db2RestartDbStruct) == 40, "db2RestartDbStruct size");
#endif

// =============================================================================================
// Create and drop database, instance start and stop. Callers zero each structure before
// filling it. Eye-catchers are 8 characters with no terminator; text fields carry one extra
// byte for the terminating NUL.

constexpr std::size_t SQL_EYECATCHER_SZ = 8;
constexpr std::size_t SQL_USER_COLLATE_SZ = 256;
constexpr std::size_t SQLB_MAX_CONTAIN_NAME_SZ = 256;
constexpr std::size_t SQL_CODESET_SZ = 17;
constexpr std::size_t SQL_LOCALE_SZ = 33;
constexpr std::size_t SQL_PROFILE_SZ = 235;

constexpr char SQLE_DBDESC_2[] = "SQLDBD02";
constexpr char SQLE_DBTSDESC_1[] = "SQLTS001";
constexpr char SQLE_STARTOPTID_V51[] = "SQLOPT01";

// sqltstyp: system managed, database managed, automatic storage.
constexpr char SQL_TBS_TYP_SMS = 'S';
constexpr char SQL_TBS_TYP_DMS = 'D';
constexpr char SQL_TBS_TYP_AUTO = 'A';
// sqlctype: directory path, raw device, file.
constexpr char SQL_TBSC_TYP_PATH = 'P';
constexpr char SQL_TBSC_TYP_DEV = 'D';
constexpr char SQL_TBSC_TYP_FILE = 'F';

// sqldbcss: collation by the code set's order (what a caller that names none gets here).
constexpr sqlint32 SQL_CS_NONE = -2;

// One container of a table space definition.
struct SQLETSCDESC {
    char sqlctype;
    char pad1[3];
    sqlint32 sqlcsize;  // pages; database-managed containers only
    sqlint16 sqlclen;
    char sqlcontr[SQLB_MAX_CONTAIN_NAME_SZ];
    char pad2[2];
};

// A table space definition: this header followed by sqlccnt containers in one block. Size a
// block with offsetof(SQLETSDESC, containr) + n * sizeof(SQLETSCDESC).
struct SQLETSDESC {
    char sqltsdid[SQL_EYECATCHER_SZ];
    sqlint32 sqlextnt;
    sqlint32 sqlprftc;
    double sqlpovhd;
    double sqltrfrt;
    char sqltstyp;
    char sqlfscaching;  // a pad byte before release 8.2
    sqlint16 sqlccnt;
    SQLETSCDESC containr[1];
};

// sqlecrea's database descriptor.
struct sqledbdesc {
    char sqldbdid[SQL_EYECATCHER_SZ];
    sqlint32 sqldbccp;
    sqlint32 sqldbcss;
    unsigned char sqldbudc[SQL_USER_COLLATE_SZ];
    char sqldbcmt[SQL_CMT_SZ + 1];
    char pad[1];
    sqluint32 sqldbsgp;
    sqlint16 sqldbnsg;
    char pad2[2];
    sqlint32 sqltsext;
    SQLETSDESC* sqlcatts;
    SQLETSDESC* sqlusrts;
    SQLETSDESC* sqltmpts;
};

// sqlecrea's code set and territory.
struct sqledbterritoryinfo {
    char sqldbcodeset[SQL_CODESET_SZ + 1];
    char sqldblocale[SQL_LOCALE_SZ + 1];
};
typedef sqledbterritoryinfo SQLEDBTERRITORYINFO;

// sqlepstart (before version 8).
struct sqle_start_options {
    char sqloptid[SQL_EYECATCHER_SZ];
    sqluint32 isprofile;
    char profile[SQL_PROFILE_SZ + 1];
    sqluint32 isnodenum;
    SQL_PDB_NODE_TYPE nodenum;
    sqluint32 option;
    sqluint32 ishostname;
    char hostname[SQL_HOSTNAME_SZ + 1];
    sqluint32 isport;
    SQL_PDB_PORT_TYPE port;
    sqluint32 isnetname;
    char netname[SQL_HOSTNAME_SZ + 1];
    sqluint32 tblspace_type;
    SQL_PDB_NODE_TYPE tblspace_node;
    sqluint32 iscomputer;
    char computer[SQL_COMPUTERNAME_SZ + 1];
    char* pUserName;
    char* pPassword;
};

// sqlepstp (before version 8).
struct sqledbstopopt {
    sqluint32 isprofile;
    char profile[SQL_PROFILE_SZ + 1];
    sqluint32 isnodenum;
    SQL_PDB_NODE_TYPE nodenum;
    sqluint32 option;
    sqluint32 callerac;
};

// Remote start and stop through the administration server.
struct db2DasCommData {
    db2int8 iCommParam;
    char* piNodeOrHostName;
    char* piUserId;
    char* piUserPw;
};

struct db2QuiesceStartStruct {
    db2int8 iIsQRequested;
    char* piQUsrName;
    char* piQGrpName;
    db2int8 iIsQUsrGrpDef;
};

// db2InstanceStart (version 8 on).
struct db2StartOptionsStruct {
    db2Uint32 iIsProfile;
    char* piProfile;
    db2Uint32 iIsNodeNum;
    SQL_PDB_NODE_TYPE iNodeNum;
    db2Uint32 iOption;
    db2Uint32 iIsHostName;
    char* piHostName;
    db2Uint32 iIsPort;
    SQL_PDB_PORT_TYPE iPort;
    db2Uint32 iIsNetName;
    char* piNetName;
    db2Uint32 iTblspaceType;
    SQL_PDB_NODE_TYPE iTblspaceNode;
    db2Uint32 iIsComputer;
    char* piComputer;
    char* piUserName;
    char* piPassword;
    db2QuiesceStartStruct iQuiesceOpts;
};

struct db2InstanceStartStruct {
    db2int8 iIsRemote;
    char* piRemoteInstName;
    db2DasCommData* piCommData;
    db2StartOptionsStruct* piStartOpts;
};

// db2InstanceStop (version 8 on).
struct db2StopOptionsStruct {
    db2Uint32 iIsProfile;
    char* piProfile;
    db2Uint32 iIsNodeNum;
    SQL_PDB_NODE_TYPE iNodeNum;
    db2Uint32 iStopOption;
    db2Uint32 iCallerac;
};

struct db2InstanceStopStruct {
    db2int8 iIsRemote;
    char* piRemoteInstName;
    db2DasCommData* piCommData;
    db2StopOptionsStruct* piStopOpts;
};

static_assert(sizeof(SQLE_DBDESC_2) == SQL_EYECATCHER_SZ + 1, "SQLDBD02 length");
static_assert(sizeof(SQLE_DBTSDESC_1) == SQL_EYECATCHER_SZ + 1, "SQLTS001 length");
static_assert(sizeof(SQLE_STARTOPTID_V51) == SQL_EYECATCHER_SZ + 1, "SQLOPT01 length");
static_assert(sizeof(SQLETSCDESC) == 268, "SQLETSCDESC size");
static_assert(offsetof(SQLETSCDESC, sqlcsize) == 4, "SQLETSCDESC.sqlcsize");
static_assert(offsetof(SQLETSCDESC, sqlclen) == 8, "SQLETSCDESC.sqlclen");
static_assert(offsetof(SQLETSCDESC, sqlcontr) == 10, "SQLETSCDESC.sqlcontr");
static_assert(offsetof(SQLETSDESC, sqlpovhd) == 16, "SQLETSDESC.sqlpovhd");
static_assert(offsetof(SQLETSDESC, sqltrfrt) == 24, "SQLETSDESC.sqltrfrt");
static_assert(offsetof(SQLETSDESC, sqltstyp) == 32, "SQLETSDESC.sqltstyp");
static_assert(offsetof(SQLETSDESC, sqlccnt) == 34, "SQLETSDESC.sqlccnt");
static_assert(offsetof(SQLETSDESC, containr) == 36, "SQLETSDESC.containr");
static_assert(offsetof(sqledbdesc, sqldbcss) == 12, "sqledbdesc.sqldbcss");
static_assert(offsetof(sqledbdesc, sqldbudc) == 16, "sqledbdesc.sqldbudc");
static_assert(offsetof(sqledbdesc, sqldbcmt) == 272, "sqledbdesc.sqldbcmt");
static_assert(offsetof(sqledbdesc, sqldbsgp) == 304, "sqledbdesc.sqldbsgp");
static_assert(offsetof(sqledbdesc, sqldbnsg) == 308, "sqledbdesc.sqldbnsg");
static_assert(offsetof(sqledbdesc, sqltsext) == 312, "sqledbdesc.sqltsext");
static_assert(sizeof(sqledbterritoryinfo) == 52, "sqledbterritoryinfo size");
static_assert(offsetof(sqledbterritoryinfo, sqldblocale) == 18, "sqledbterritoryinfo.sqldblocale");
static_assert(offsetof(sqle_start_options, profile) == 12, "sqle_start_options.profile");
static_assert(offsetof(sqle_start_options, nodenum) == 252, "sqle_start_options.nodenum");
static_assert(offsetof(sqle_start_options, option) == 256, "sqle_start_options.option");
static_assert(offsetof(sqle_start_options, hostname) == 264, "sqle_start_options.hostname");
static_assert(offsetof(sqle_start_options, port) == 524, "sqle_start_options.port");
static_assert(offsetof(sqle_start_options, netname) == 532, "sqle_start_options.netname");
static_assert(offsetof(sqle_start_options, tblspace_type) == 788, "tblspace_type");
static_assert(offsetof(sqle_start_options, tblspace_node) == 792, "tblspace_node");
static_assert(offsetof(sqle_start_options, computer) == 800, "sqle_start_options.computer");
static_assert(offsetof(sqle_start_options, pUserName) == 816, "sqle_start_options.pUserName");
static_assert(sizeof(sqledbstopopt) == 256, "sqledbstopopt size");
static_assert(offsetof(sqledbstopopt, nodenum) == 244, "sqledbstopopt.nodenum");
static_assert(offsetof(sqledbstopopt, callerac) == 252, "sqledbstopopt.callerac");
#if UINTPTR_MAX == 0xFFFFFFFF
static_assert(sizeof(sqledbdesc) == 328, "sqledbdesc size");
static_assert(offsetof(sqledbdesc, sqltmpts) == 324, "sqledbdesc.sqltmpts");
static_assert(sizeof(sqle_start_options) == 824, "sqle_start_options size");
static_assert(sizeof(db2DasCommData) == 16, "db2DasCommData size");
static_assert(sizeof(db2StartOptionsStruct) == 84, "db2StartOptionsStruct size");
static_assert(offsetof(db2StartOptionsStruct, iTblspaceType) == 44, "iTblspaceType");
static_assert(offsetof(db2StartOptionsStruct, iQuiesceOpts) == 68, "iQuiesceOpts");
static_assert(sizeof(db2InstanceStartStruct) == 16, "db2InstanceStartStruct size");
static_assert(sizeof(db2StopOptionsStruct) == 24, "db2StopOptionsStruct size");
static_assert(sizeof(db2InstanceStopStruct) == 16, "db2InstanceStopStruct size");
#else
static_assert(sizeof(sqledbdesc) == 344, "sqledbdesc size");
static_assert(offsetof(sqledbdesc, sqlcatts) == 320, "sqledbdesc.sqlcatts");
static_assert(offsetof(sqledbdesc, sqltmpts) == 336, "sqledbdesc.sqltmpts");
static_assert(sizeof(sqle_start_options) == 832, "sqle_start_options size");
static_assert(sizeof(db2DasCommData) == 32, "db2DasCommData size");
static_assert(sizeof(db2StartOptionsStruct) == 136, "db2StartOptionsStruct size");
static_assert(offsetof(db2StartOptionsStruct, iNodeNum) == 20, "iNodeNum");
static_assert(offsetof(db2StartOptionsStruct, iPort) == 44, "iPort");
static_assert(offsetof(db2StartOptionsStruct, iTblspaceType) == 64, "iTblspaceType");
static_assert(offsetof(db2StartOptionsStruct, iTblspaceNode) == 68, "iTblspaceNode");
static_assert(offsetof(db2StartOptionsStruct, piComputer) == 80, "piComputer");
static_assert(offsetof(db2StartOptionsStruct, iQuiesceOpts) == 104, "iQuiesceOpts");
static_assert(sizeof(db2InstanceStartStruct) == 32, "db2InstanceStartStruct size");
static_assert(sizeof(db2StopOptionsStruct) == 32, "db2StopOptionsStruct size");
static_assert(offsetof(db2StopOptionsStruct, iStopOption) == 24, "iStopOption");
static_assert(sizeof(db2InstanceStopStruct) == 32, "db2InstanceStopStruct size");
#endif
