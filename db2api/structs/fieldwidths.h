// Widths of DB2's fixed character fields, shared by the structures of every area. Fields DB2
// hands out are blank-padded and not terminated: read them at their width. Fields the caller
// fills carry one extra byte for a terminating NUL.
#pragma once

#include <cstddef>

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
