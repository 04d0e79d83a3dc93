// Create and drop database, instance start and stop. Callers zero each structure before
// filling it. Eye-catchers are 8 characters with no terminator; text fields carry one extra
// byte for the terminating NUL.
#pragma once

#include <cstddef>

#include "db2api/db2types.h"
#include "db2api/structs/fieldwidths.h"
#include "db2api/structs/pins.h"

constexpr std::size_t SQL_EYECATCHER_SZ = 8;
constexpr std::size_t SQL_USER_COLLATE_SZ = 256;
constexpr std::size_t SQLB_MAX_CONTAIN_NAME_SZ = 256;
constexpr std::size_t SQL_CODESET_SZ = 17;
constexpr std::size_t SQL_LOCALE_SZ = 33;
constexpr std::size_t SQL_PROFILE_SZ = 235;

constexpr char SQLE_DBDESC_2[] = "SQLDBD02";
constexpr char SQLE_DBTSDESC_1[] = "SQLTS001";
constexpr char SQLE_STARTOPTID_V51[] = "SQLOPT01";
static_assert(sizeof(SQLE_DBDESC_2) == SQL_EYECATCHER_SZ + 1, "SQLDBD02 length");
static_assert(sizeof(SQLE_DBTSDESC_1) == SQL_EYECATCHER_SZ + 1, "SQLTS001 length");
static_assert(sizeof(SQLE_STARTOPTID_V51) == SQL_EYECATCHER_SZ + 1, "SQLOPT01 length");

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

// ---------------------------------------------------------------------------------------------
// Create database (sqlecrea).

// One container of a table space definition.
struct SQLETSCDESC {
    char sqlctype;
    char pad1[3];
    sqlint32 sqlcsize;  // pages; database-managed containers only
    sqlint16 sqlclen;
    char sqlcontr[SQLB_MAX_CONTAIN_NAME_SZ];
    char pad2[2];
};
DB2_PIN_SIZE(SQLETSCDESC, 268);
DB2_PIN_OFFSET(SQLETSCDESC, sqlcsize, 4);
DB2_PIN_OFFSET(SQLETSCDESC, sqlclen, 8);
DB2_PIN_OFFSET(SQLETSCDESC, sqlcontr, 10);

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
DB2_PIN_OFFSET(SQLETSDESC, sqlpovhd, 16);
DB2_PIN_OFFSET(SQLETSDESC, sqltrfrt, 24);
DB2_PIN_OFFSET(SQLETSDESC, sqltstyp, 32);
DB2_PIN_OFFSET(SQLETSDESC, sqlccnt, 34);
DB2_PIN_OFFSET(SQLETSDESC, containr, 36);

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
DB2_PIN_OFFSET(sqledbdesc, sqldbcss, 12);
DB2_PIN_OFFSET(sqledbdesc, sqldbudc, 16);
DB2_PIN_OFFSET(sqledbdesc, sqldbcmt, 272);
DB2_PIN_OFFSET(sqledbdesc, sqldbsgp, 304);
DB2_PIN_OFFSET(sqledbdesc, sqldbnsg, 308);
DB2_PIN_OFFSET(sqledbdesc, sqltsext, 312);
DB2_PIN_SIZE_BY_MODEL(sqledbdesc, 328, 344);
DB2_PIN_OFFSET_BY_MODEL(sqledbdesc, sqlcatts, 316, 320);
DB2_PIN_OFFSET_BY_MODEL(sqledbdesc, sqltmpts, 324, 336);

// sqlecrea's code set and territory.
struct sqledbterritoryinfo {
    char sqldbcodeset[SQL_CODESET_SZ + 1];
    char sqldblocale[SQL_LOCALE_SZ + 1];
};
typedef sqledbterritoryinfo SQLEDBTERRITORYINFO;
DB2_PIN_SIZE(sqledbterritoryinfo, 52);
DB2_PIN_OFFSET(sqledbterritoryinfo, sqldblocale, 18);

// ---------------------------------------------------------------------------------------------
// Instance start and stop before version 8 (sqlepstart, sqlepstp).

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
DB2_PIN_OFFSET(sqle_start_options, profile, 12);
DB2_PIN_OFFSET(sqle_start_options, nodenum, 252);
DB2_PIN_OFFSET(sqle_start_options, option, 256);
DB2_PIN_OFFSET(sqle_start_options, hostname, 264);
DB2_PIN_OFFSET(sqle_start_options, port, 524);
DB2_PIN_OFFSET(sqle_start_options, netname, 532);
DB2_PIN_OFFSET(sqle_start_options, tblspace_type, 788);
DB2_PIN_OFFSET(sqle_start_options, tblspace_node, 792);
DB2_PIN_OFFSET(sqle_start_options, computer, 800);
DB2_PIN_OFFSET(sqle_start_options, pUserName, 816);
DB2_PIN_SIZE_BY_MODEL(sqle_start_options, 824, 832);

struct sqledbstopopt {
    sqluint32 isprofile;
    char profile[SQL_PROFILE_SZ + 1];
    sqluint32 isnodenum;
    SQL_PDB_NODE_TYPE nodenum;
    sqluint32 option;
    sqluint32 callerac;
};
DB2_PIN_SIZE(sqledbstopopt, 256);
DB2_PIN_OFFSET(sqledbstopopt, nodenum, 244);
DB2_PIN_OFFSET(sqledbstopopt, callerac, 252);

// ---------------------------------------------------------------------------------------------
// Instance start and stop from version 8 on (db2InstanceStart, db2InstanceStop).

// Remote start and stop through the administration server.
struct db2DasCommData {
    db2int8 iCommParam;
    char* piNodeOrHostName;
    char* piUserId;
    char* piUserPw;
};
DB2_PIN_SIZE_BY_MODEL(db2DasCommData, 16, 32);

struct db2QuiesceStartStruct {
    db2int8 iIsQRequested;
    char* piQUsrName;
    char* piQGrpName;
    db2int8 iIsQUsrGrpDef;
};
DB2_PIN_SIZE_BY_MODEL(db2QuiesceStartStruct, 16, 32);

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
DB2_PIN_SIZE_BY_MODEL(db2StartOptionsStruct, 84, 136);
DB2_PIN_OFFSET_BY_MODEL(db2StartOptionsStruct, iNodeNum, 12, 20);
DB2_PIN_OFFSET_BY_MODEL(db2StartOptionsStruct, iPort, 32, 44);
DB2_PIN_OFFSET_BY_MODEL(db2StartOptionsStruct, iTblspaceType, 44, 64);
DB2_PIN_OFFSET_BY_MODEL(db2StartOptionsStruct, iTblspaceNode, 48, 68);
DB2_PIN_OFFSET_BY_MODEL(db2StartOptionsStruct, piComputer, 56, 80);
DB2_PIN_OFFSET_BY_MODEL(db2StartOptionsStruct, iQuiesceOpts, 68, 104);

struct db2InstanceStartStruct {
    db2int8 iIsRemote;
    char* piRemoteInstName;
    db2DasCommData* piCommData;
    db2StartOptionsStruct* piStartOpts;
};
DB2_PIN_SIZE_BY_MODEL(db2InstanceStartStruct, 16, 32);

struct db2StopOptionsStruct {
    db2Uint32 iIsProfile;
    char* piProfile;
    db2Uint32 iIsNodeNum;
    SQL_PDB_NODE_TYPE iNodeNum;
    db2Uint32 iStopOption;
    db2Uint32 iCallerac;
};
DB2_PIN_SIZE_BY_MODEL(db2StopOptionsStruct, 24, 32);
DB2_PIN_OFFSET_BY_MODEL(db2StopOptionsStruct, iStopOption, 16, 24);

struct db2InstanceStopStruct {
    db2int8 iIsRemote;
    char* piRemoteInstName;
    db2DasCommData* piCommData;
    db2StopOptionsStruct* piStopOpts;
};
DB2_PIN_SIZE_BY_MODEL(db2InstanceStopStruct, 16, 32);
