// The database, node and DCS directories: the entries a scan hands out and the structures a
// caller fills to catalog a node or a DCS database. Unix layouts (natural alignment).
//
// Character fields of directory entries handed out by the client are blank-padded and not
// terminated: read them at their width. Fields the caller fills (node, DCS entries) carry one
// extra byte for a terminating NUL.
#pragma once

#include "db2api/db2types.h"
#include "db2api/structs/fieldwidths.h"
#include "db2api/structs/pins.h"

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
DB2_PIN_SIZE(sql_dir_entry, 612);
DB2_PIN_OFFSET(sql_dir_entry, release, 2);
DB2_PIN_OFFSET(sql_dir_entry, codepage, 4);
DB2_PIN_OFFSET(sql_dir_entry, comment, 6);
DB2_PIN_OFFSET(sql_dir_entry, ldb, 37);
DB2_PIN_OFFSET(sql_dir_entry, tdb, 46);
DB2_PIN_OFFSET(sql_dir_entry, ar, 65);
DB2_PIN_OFFSET(sql_dir_entry, parm, 98);

// ---------------------------------------------------------------------------------------------
// Node to catalog (sqlectnd); followed by one protocol structure below.
struct sqle_node_struct {
    unsigned short struct_id;  // SQL_NODE_STR_ID
    unsigned short codepage;
    char comment[SQL_CMT_SZ + 1];
    char nodename[SQL_NNAME_SZ + 1];
    unsigned char protocol;  // SQL_PROTOCOL_*
};
DB2_PIN_SIZE(sqle_node_struct, 46);
DB2_PIN_OFFSET(sqle_node_struct, codepage, 2);
DB2_PIN_OFFSET(sqle_node_struct, comment, 4);
DB2_PIN_OFFSET(sqle_node_struct, nodename, 35);
DB2_PIN_OFFSET(sqle_node_struct, protocol, 44);

// TCP/IP; also for TCPIP4, TCPIP6 and SOCKS.
struct sqle_node_tcpip {
    char hostname[SQL_HOSTNAME_SZ + 1];
    char service_name[SQL_SERVICE_NAME_SZ + 1];
};
DB2_PIN_SIZE(sqle_node_tcpip, 271);
DB2_PIN_OFFSET(sqle_node_tcpip, service_name, 256);

struct sqle_node_netb {
    unsigned short adapter;
    char remote_nname[SQL_RMTNAME_SZ + 1];
};
DB2_PIN_SIZE(sqle_node_netb, 12);
DB2_PIN_OFFSET(sqle_node_netb, remote_nname, 2);

struct sqle_node_appc {
    char local_lu[SQL_LU_SZ + 1];
    char partner_lu[SQL_LU_SZ + 1];
    char mode[SQL_MODE_SZ + 1];
};
DB2_PIN_SIZE(sqle_node_appc, 27);

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
DB2_PIN_SIZE(sqle_node_appn, 126);
DB2_PIN_OFFSET(sqle_node_appn, transpn, 45);
DB2_PIN_OFFSET(sqle_node_appn, lanaddr, 110);
DB2_PIN_OFFSET(sqle_node_appn, security_type, 124);

struct sqle_node_cpic {
    char sym_dest_name[SQL_SYM_DEST_SZ + 1];
    unsigned short security_type;
};
DB2_PIN_SIZE(sqle_node_cpic, 12);
DB2_PIN_OFFSET(sqle_node_cpic, security_type, 10);

struct sqle_node_ipxspx {
    char fileserver[SQL_FILESERVER_SZ + 1];
    char objectname[SQL_OBJECTNAME_SZ + 1];
};
DB2_PIN_SIZE(sqle_node_ipxspx, 98);

struct sqle_node_local {
    char instance_name[SQL_INSTNAME_SZ + 1];
};
DB2_PIN_SIZE(sqle_node_local, 9);

struct sqle_node_npipe {
    char computername[SQL_COMPUTERNAME_SZ + 1];
    char instance_name[SQL_INSTNAME_SZ + 1];
};
DB2_PIN_SIZE(sqle_node_npipe, 25);
DB2_PIN_OFFSET(sqle_node_npipe, instance_name, 16);
