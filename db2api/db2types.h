// Basic DB2 client types, the SQL communication area and the DB2 CLI scalar types, declared from
// the client's published API. Only plain C layouts live here: the stand-in client shares this
// header, so its exports and our wrappers agree byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>

typedef int32_t sqlint32;
typedef uint32_t sqluint32;
typedef int16_t sqlint16;
typedef uint16_t sqluint16;
typedef int64_t sqlint64;
typedef uint64_t sqluint64;
typedef uintptr_t sqluintptr;
typedef uint32_t db2Uint32;
typedef int32_t db2int32;
typedef uint16_t db2Uint16;
typedef int16_t db2int16;
typedef uint64_t db2Uint64;
typedef char db2int8;
typedef int16_t SQL_PDB_NODE_TYPE;
typedef int SQL_PDB_PORT_TYPE;

// The SQL communication area: 136 bytes on every platform and release.
struct sqlca {
    char sqlcaid[8];    // "SQLCA   "
    sqlint32 sqlcabc;   // 136
    sqlint32 sqlcode;   // < 0 error, > 0 warning, 0 success
    short sqlerrml;     // bytes used in sqlerrmc
    char sqlerrmc[70];  // message tokens separated by 0xFF
    char sqlerrp[8];    // product signature, e.g. "SQL09074"
    sqlint32 sqlerrd[6];
    char sqlwarn[11];
    char sqlstate[5];  // not terminated
};
static_assert(sizeof(sqlca) == 136, "sqlca is 136 bytes");
static_assert(offsetof(sqlca, sqlcode) == 12, "sqlca.sqlcode offset");
static_assert(offsetof(sqlca, sqlerrml) == 16, "sqlca.sqlerrml offset");
static_assert(offsetof(sqlca, sqlerrmc) == 18, "sqlca.sqlerrmc offset");
static_assert(offsetof(sqlca, sqlerrp) == 88, "sqlca.sqlerrp offset");
static_assert(offsetof(sqlca, sqlerrd) == 96, "sqlca.sqlerrd offset");
static_assert(offsetof(sqlca, sqlwarn) == 120, "sqlca.sqlwarn offset");
static_assert(offsetof(sqlca, sqlstate) == 131, "sqlca.sqlstate offset");

// A cleared sqlca, as every caller passes one to DB2.
inline sqlca zeroedSqlca() {
    sqlca ca{};
    return ca;
}

// Token separator inside sqlerrmc.
constexpr char kSqlerrmcSeparator = '\xFF';

// DB2 CLI on Unix: handles are 32-bit integers, results 16-bit.
typedef int32_t SQLINTEGER;
typedef uint32_t SQLUINTEGER;
typedef int16_t SQLSMALLINT;
typedef uint16_t SQLUSMALLINT;
typedef unsigned char SQLCHAR;
typedef void* SQLPOINTER;
typedef SQLSMALLINT SQLRETURN;
typedef SQLINTEGER SQLHANDLE;
typedef SQLHANDLE SQLHENV;
typedef SQLHANDLE SQLHDBC;
typedef SQLHANDLE SQLHSTMT;
static_assert(sizeof(SQLHANDLE) == 4, "DB2 CLI handles on Unix are 32-bit integers");

// CLI constants used by the library and the stand-in.
constexpr SQLRETURN SQL_SUCCESS = 0;
constexpr SQLRETURN SQL_SUCCESS_WITH_INFO = 1;
constexpr SQLRETURN SQL_ERROR = -1;
constexpr SQLRETURN SQL_INVALID_HANDLE = -2;
constexpr SQLRETURN SQL_NO_DATA = 100;
constexpr SQLSMALLINT SQL_HANDLE_ENV = 1;
constexpr SQLSMALLINT SQL_HANDLE_DBC = 2;
constexpr SQLSMALLINT SQL_HANDLE_STMT = 3;
constexpr SQLHANDLE SQL_NULL_HANDLE = 0;
constexpr SQLSMALLINT SQL_NTS = -3;
constexpr SQLSMALLINT SQL_COMMIT = 0;
constexpr SQLSMALLINT SQL_ROLLBACK = 1;
constexpr SQLUSMALLINT SQL_DBMS_VER = 18;
constexpr SQLINTEGER SQL_ATTR_ODBC_VERSION = 200;
constexpr SQLINTEGER SQL_OV_ODBC3 = 3;
constexpr SQLINTEGER SQL_ATTR_CONNECTTYPE = 1255;
constexpr SQLINTEGER SQL_ATTR_CONTEXT = 1269;
constexpr SQLINTEGER SQL_ATTR_CONNECT_NODE = 1290;

// Application context options.
constexpr sqlint32 SQL_CTX_ORIGINAL = 0;
constexpr sqlint32 SQL_CTX_MULTI_MANUAL = 1;
constexpr sqlint32 SQL_CTX_BEGIN_ALL = 0;    // create and attach
constexpr sqlint32 SQL_CTX_CREATE_ONLY = 1;  // create without attaching
constexpr sqlint32 SQL_CTX_END_ALL = 0;      // detach if attached, then free
constexpr sqlint32 SQL_CTX_FREE_ONLY = 1;    // free an unattached context

// API version numbers passed to the db2* entry points.
constexpr db2Uint32 db2Version710 = 7010000;
constexpr db2Uint32 db2Version720 = 7020100;
constexpr db2Uint32 db2Version810 = 8010000;
constexpr db2Uint32 db2Version820 = 8020000;
constexpr db2Uint32 db2Version900 = 9000000;
constexpr db2Uint32 db2Version910 = 9010000;
constexpr db2Uint32 db2Version950 = 9050000;
constexpr db2Uint32 db2Version970 = 9070000;

// Results of the message formatter sqlaintp_api.
constexpr int SQLA_ERR_NOMEM = -1;  // not enough memory
constexpr int SQLA_ERR_NOCOD = -2;  // sqlcode is 0: no message
constexpr int SQLA_ERR_NOMSG = -3;  // message file missing or unreadable
constexpr int SQLA_ERR_BADLL = -4;  // line width negative
constexpr int SQLA_ERR_BADCC = -5;  // bad sqlca, buffer or buffer length

// Message formatter arguments every caller passes.
constexpr short kMessageBufferSize = 256;
constexpr const char* kMessageFileName = "db2sql.mo";
