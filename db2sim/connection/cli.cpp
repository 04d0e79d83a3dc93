// DB2 CLI, as far as the library uses it: environment and connection handles, the attributes it
// sets, SQLConnect to a database of the instance, the DBMS version, disconnect, free and end of
// transaction. Results: SQL_SUCCESS, SQL_SUCCESS_WITH_INFO, SQL_ERROR, SQL_INVALID_HANDLE. The
// sqlcode given to ApiCall::fail names the reason of an SQL_ERROR; no diagnostics
// entry point reports it yet.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "db2sim/core/apicall.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/database/dbopscodes.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/instancestate.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/recovery/recoverycodes.h"
#include "db2sim/recovery/recoverydatabase.h"

DB2SIM_CHECK_TYPE(SQLAllocHandle);
DB2SIM_CHECK_TYPE(SQLSetEnvAttr);
DB2SIM_CHECK_TYPE(SQLSetConnectAttr);
DB2SIM_CHECK_TYPE(SQLConnect);
DB2SIM_CHECK_TYPE(SQLGetInfo);
DB2SIM_CHECK_TYPE(SQLDisconnect);
DB2SIM_CHECK_TYPE(SQLFreeHandle);
DB2SIM_CHECK_TYPE(SQLEndTran);

namespace db2sim {
namespace {

constexpr SQLINTEGER kOdbc2 = 2;  // SQL_OV_ODBC2

// Text of a CLI string argument: SQL_NTS for zero-terminated, else a byte count. No value for a
// negative length other than SQL_NTS, or a count without a pointer.
std::optional<std::string> cliText(const SQLCHAR* text, SQLSMALLINT length) {
    const char* chars = reinterpret_cast<const char*>(text);
    if (length == SQL_NTS) {
        return std::string(chars == nullptr ? "" : chars);
    }
    if (length < 0 || (chars == nullptr && length > 0)) {
        return std::nullopt;
    }
    return std::string(chars == nullptr ? "" : chars, static_cast<size_t>(length));
}

// "09.07.0004" from the product signature "SQL09074".
std::string dbmsVersion(const std::string& product) {
    return product.substr(3, 2) + "." + product.substr(5, 2) + ".000" + product.substr(7, 1);
}

Connections& handles() {
    return Manager::get().connections();
}

SQLRETURN allocHandle(SQLSMALLINT type, SQLHANDLE input, SQLHANDLE* output) {
    ApiCall call("SQLAllocHandle", nullptr, CallKind::kCli, Access::kRead);
    auto held = handles().hold();
    call.num("fHandleType", type).num("hInput", input).ptr("phOutput", output);
    if (!call.proceed()) {
        return call.rc();
    }
    if (output == nullptr) {
        return call.fail(code::kInvalidParameter, {"phOutput"});
    }
    *output = SQL_NULL_HANDLE;
    if (type == SQL_HANDLE_ENV) {
        *output = handles().allocEnv();
    } else if (type == SQL_HANDLE_DBC) {
        if (!handles().isEnv(input)) {
            return call.finish(SQL_INVALID_HANDLE);
        }
        *output = handles().allocDbc(input);
    } else {
        return call.fail(code::kInvalidParameter, {"fHandleType"});  // statements come later
    }
    call.num("*phOutput", *output);
    return *output == SQL_NULL_HANDLE ? call.fail(code::kNoMemory) : call.succeed();
}

SQLRETURN setEnvAttr(SQLHENV env, SQLINTEGER attribute, SQLPOINTER value, SQLINTEGER length) {
    ApiCall call("SQLSetEnvAttr", nullptr, CallKind::kCli, Access::kRead);
    auto held = handles().hold();
    call.num("EnvironmentHandle", env).num("Attribute", attribute);
    call.num("Value", reinterpret_cast<intptr_t>(value)).num("StringLength", length);
    if (!call.proceed()) {
        return call.rc();
    }
    if (!handles().isEnv(env)) {
        return call.finish(SQL_INVALID_HANDLE);
    }
    if (attribute != SQL_ATTR_ODBC_VERSION) {
        return call.succeed();  // other environment attributes change nothing here
    }
    SQLINTEGER version = static_cast<SQLINTEGER>(reinterpret_cast<intptr_t>(value));
    if (version != kOdbc2 && version != SQL_OV_ODBC3) {
        return call.fail(code::kInvalidParameter, {"Value"});
    }
    if (handles().dbcsOf(env) > 0) {
        return call.fail(code::kInvalidParameter, {"EnvironmentHandle"});  // too late: HY010
    }
    handles().setOdbcVersion(env, version);
    return call.succeed();
}

// Applies a connection attribute; the sqlcode of a refusal, or 0.
int applyConnectAttr(Connection& dbc, SQLINTEGER attribute, SQLPOINTER value) {
    if (attribute != SQL_ATTR_CONNECT_NODE && attribute != SQL_ATTR_CONTEXT) {
        return 0;  // other connection attributes change nothing here
    }
    if (dbc.connected) {
        return code::kInvalidParameter;  // set before connecting only
    }
    if (attribute == SQL_ATTR_CONNECT_NODE) {
        if (reinterpret_cast<intptr_t>(value) != 0) {
            return code::kInvalidParameter;  // the instance has partition 0 only
        }
        dbc.partition = 0;
        return 0;
    }
    if (!Instance::get().contexts().isLive(value)) {
        return code::kContextInvalid;
    }
    dbc.ctx = value;
    return 0;
}

SQLRETURN setConnectAttr(SQLHDBC hdbc, SQLINTEGER attribute, SQLPOINTER value, SQLINTEGER length) {
    ApiCall call("SQLSetConnectAttr", nullptr, CallKind::kCli, Access::kRead);
    auto held = handles().hold();
    call.num("ConnectionHandle", hdbc).num("Attribute", attribute);
    if (attribute == SQL_ATTR_CONTEXT) {
        call.ptr("Value", value);
    } else {
        call.num("Value", reinterpret_cast<intptr_t>(value));
    }
    call.num("StringLength", length);
    if (!call.proceed()) {
        return call.rc();
    }
    Connection* dbc = handles().dbc(hdbc);
    if (dbc == nullptr) {
        return call.finish(SQL_INVALID_HANDLE);
    }
    if (int refusal = applyConnectAttr(*dbc, attribute, value)) {
        return call.fail(refusal, {"Value"});
    }
    return call.succeed();
}

// Why a connection cannot be opened, or 0; fills `database` and `authid` otherwise.
int connectRefusal(const Connection& dbc, const std::string& alias, const char* user,
                   const char* password, Connection& opened) {
    if (dbc.connected) {
        return code::kInvalidParameter;  // 08002: the handle is already connected
    }
    if (dbc.ctx == nullptr || !Instance::get().contexts().isLive(dbc.ctx)) {
        return code::kContextInvalid;  // SQL_ATTR_CONN_CONTEXT is required
    }
    Manager& manager = Manager::get();
    if (!manager.started()) {
        return code::kManagerNotStarted;
    }
    const Database* database = manager.databases().findByAlias(alias);
    if (alias.empty() || database == nullptr) {
        return code::kDatabaseNotFound;
    }
    std::optional<std::string> authid = manager.users().authenticate(user, password);
    if (!authid) {
        return code::kSecurityFailed;
    }
    opened.database = database->name;
    opened.authid = *authid;
    return 0;
}

SQLRETURN connect(SQLHDBC hdbc, SQLCHAR* server, SQLSMALLINT serverLength, SQLCHAR* user,
                  SQLSMALLINT userLength, SQLCHAR* password, SQLSMALLINT passwordLength) {
    ApiCall call("SQLConnect", nullptr, CallKind::kCli, Access::kRead);
    std::optional<std::string> alias = cliText(server, serverLength);
    // Read before the connections' lock is taken: the configuration has an area lock of its own.
    bool rollforwardPending = alias && RecoveryDatabase::pendingByAlias(*alias);
    auto held = handles().hold();
    std::optional<std::string> userName = cliText(user, userLength);
    std::optional<std::string> secret = cliText(password, passwordLength);
    call.num("ConnectionHandle", hdbc);
    call.text("ServerName", alias ? alias->c_str() : nullptr).num("NameLength1", serverLength);
    call.text("UserName", userName ? userName->c_str() : nullptr).num("NameLength2", userLength);
    call.secret("Authentication", secret ? "" : nullptr).num("NameLength3", passwordLength);
    if (!call.proceed()) {
        return call.rc();
    }
    Connection* dbc = handles().dbc(hdbc);
    if (dbc == nullptr) {
        return call.finish(SQL_INVALID_HANDLE);
    }
    if (!alias || !userName || !secret) {
        return call.fail(code::kInvalidParameter, {"NameLength"});
    }
    Connection opened;
    if (int refusal = connectRefusal(*dbc, *alias, userName->c_str(), secret->c_str(), opened)) {
        return call.fail(refusal, {*alias});
    }
    if (rollforwardPending) {
        return call.fail(code::kRollforwardPendingConnect, {*alias});
    }
    InstanceState& state = InstanceState::get();
    if (!state.mayConnect(call.instance().name(), opened.database, opened.authid)) {
        return call.fail(code::kQuiesced, {opened.authid});
    }
    state.connectionOpened(hdbc, dbc->ctx, opened.database, opened.authid);
    dbc->connected = true;
    dbc->forced = false;
    dbc->database = opened.database;
    dbc->authid = opened.authid;
    return call.succeed();
}

// Copies `text` into a CLI output buffer, cut with a terminating NUL; true when it was cut.
bool copyOut(const std::string& text, SQLPOINTER buffer, SQLSMALLINT size) {
    if (buffer == nullptr) {
        return false;
    }
    size_t room = static_cast<size_t>(size);
    if (room == 0) {
        return true;
    }
    size_t length = std::min(text.size(), room - 1);
    std::memcpy(buffer, text.data(), length);
    static_cast<char*>(buffer)[length] = '\0';
    return length < text.size();
}

// After journaling: the connected connection handle a call works on, or null with `rc` set
// (the call stopped, the handle is unknown, or it is not connected).
Connection* connectedDbc(ApiCall& call, SQLHDBC hdbc, SQLRETURN& rc) {
    Connection* dbc = nullptr;
    if (!call.proceed()) {
        rc = static_cast<SQLRETURN>(call.rc());
    } else if ((dbc = handles().dbc(hdbc)) == nullptr) {
        rc = static_cast<SQLRETURN>(call.finish(SQL_INVALID_HANDLE));
    } else if (!dbc->connected) {
        rc = static_cast<SQLRETURN>(call.fail(code::kNoConnection));
        dbc = nullptr;
    }
    return dbc;
}

SQLRETURN getInfo(SQLHDBC hdbc, SQLUSMALLINT type, SQLPOINTER buffer, SQLSMALLINT size,
                  SQLSMALLINT* length) {
    ApiCall call("SQLGetInfo", nullptr, CallKind::kCli, Access::kRead);
    auto held = handles().hold();
    call.num("hdbc", hdbc).num("fInfoType", type).ptr("rgbInfoValue", buffer);
    call.num("cbInfoValueMax", size).ptr("pcbInfoValue", length);
    SQLRETURN rc = SQL_SUCCESS;
    Connection* dbc = connectedDbc(call, hdbc, rc);
    if (dbc == nullptr) {
        return rc;
    }
    if (type != SQL_DBMS_VER || size < 0) {
        return call.fail(code::kInvalidParameter,
                         {type != SQL_DBMS_VER ? "fInfoType" : "cbInfoValueMax"});
    }
    std::string version = dbmsVersion(call.instance().product());
    if (length != nullptr) {
        *length = static_cast<SQLSMALLINT>(version.size());
    }
    bool cut = copyOut(version, buffer, size);
    rc = static_cast<SQLRETURN>(call.succeed());
    return cut ? static_cast<SQLRETURN>(call.finish(SQL_SUCCESS_WITH_INFO)) : rc;
}

SQLRETURN disconnect(SQLHDBC hdbc) {
    ApiCall call("SQLDisconnect", nullptr, CallKind::kCli, Access::kRead);
    auto held = handles().hold();
    call.num("ConnectionHandle", hdbc);
    if (!call.proceed()) {
        return static_cast<SQLRETURN>(call.rc());
    }
    Connection* dbc = handles().dbc(hdbc);
    if (dbc == nullptr) {
        return static_cast<SQLRETURN>(call.finish(SQL_INVALID_HANDLE));
    }
    if (dbc->forced) {
        // A connection a force ended is released with a warning (01002), as DB2 CLI releases
        // one the server dropped.
        dbc->forced = false;
        return static_cast<SQLRETURN>(call.finish(SQL_SUCCESS_WITH_INFO));
    }
    if (!dbc->connected) {
        return static_cast<SQLRETURN>(call.fail(code::kNoConnection));
    }
    InstanceState::get().connectionClosed(hdbc);
    dbc->connected = false;
    dbc->database.clear();
    dbc->authid.clear();
    return call.succeed();
}

SQLRETURN freeHandle(SQLSMALLINT type, SQLHANDLE handle) {
    ApiCall call("SQLFreeHandle", nullptr, CallKind::kCli, Access::kRead);
    auto held = handles().hold();
    call.num("HandleType", type).num("Handle", handle);
    if (!call.proceed()) {
        return call.rc();
    }
    Connections& all = handles();
    if (type == SQL_HANDLE_ENV && all.isEnv(handle)) {
        if (all.dbcsOf(handle) > 0) {
            return call.fail(code::kInvalidParameter, {"Handle"});  // HY010: connections left
        }
        all.freeEnv(handle);
        return call.succeed();
    }
    if (type == SQL_HANDLE_DBC && all.dbc(handle) != nullptr) {
        if (all.dbc(handle)->connected) {
            return call.fail(code::kInvalidParameter, {"Handle"});  // HY010: still connected
        }
        all.freeDbc(handle);
        return call.succeed();
    }
    bool knownType = type == SQL_HANDLE_ENV || type == SQL_HANDLE_DBC || type == SQL_HANDLE_STMT;
    return knownType ? call.finish(SQL_INVALID_HANDLE)
                     : call.fail(code::kInvalidParameter, {"HandleType"});
}

SQLRETURN endTran(SQLSMALLINT type, SQLHANDLE handle, SQLSMALLINT completion) {
    ApiCall call("SQLEndTran", nullptr, CallKind::kCli, Access::kRead);
    auto held = handles().hold();
    call.num("HandleType", type).num("Handle", handle).num("CompletionType", completion);
    if (!call.proceed()) {
        return call.rc();
    }
    Connection* dbc = type == SQL_HANDLE_DBC ? handles().dbc(handle) : nullptr;
    bool env = type == SQL_HANDLE_ENV && handles().isEnv(handle);
    if (dbc == nullptr && !env) {
        return call.finish(SQL_INVALID_HANDLE);
    }
    if (completion != SQL_COMMIT && completion != SQL_ROLLBACK) {
        return call.fail(code::kInvalidParameter, {"CompletionType"});
    }
    if (dbc != nullptr && !dbc->connected) {
        return call.fail(code::kNoConnection);
    }
    return call.succeed();  // nothing runs in a unit of work yet
}

}  // namespace
}  // namespace db2sim

using db2sim::guarded;

// Results are SQLRETURN; the guard's -1 for an escaping exception is SQL_ERROR.
DB2SIM_EXPORT SQLRETURN SQLAllocHandle(SQLSMALLINT fHandleType, SQLHANDLE hInput,
                                       SQLHANDLE* phOutput) {
    return static_cast<SQLRETURN>(
        guarded([&] { return db2sim::allocHandle(fHandleType, hInput, phOutput); }));
}

DB2SIM_EXPORT SQLRETURN SQLSetEnvAttr(SQLHENV EnvironmentHandle, SQLINTEGER Attribute,
                                      SQLPOINTER Value, SQLINTEGER StringLength) {
    return static_cast<SQLRETURN>(guarded(
        [&] { return db2sim::setEnvAttr(EnvironmentHandle, Attribute, Value, StringLength); }));
}

DB2SIM_EXPORT SQLRETURN SQLSetConnectAttr(SQLHDBC ConnectionHandle, SQLINTEGER Attribute,
                                          SQLPOINTER Value, SQLINTEGER StringLength) {
    return static_cast<SQLRETURN>(guarded(
        [&] { return db2sim::setConnectAttr(ConnectionHandle, Attribute, Value, StringLength); }));
}

DB2SIM_EXPORT SQLRETURN SQLConnect(SQLHDBC ConnectionHandle, SQLCHAR* ServerName,
                                   SQLSMALLINT NameLength1, SQLCHAR* UserName,
                                   SQLSMALLINT NameLength2, SQLCHAR* Authentication,
                                   SQLSMALLINT NameLength3) {
    return static_cast<SQLRETURN>(guarded([&] {
        return db2sim::connect(ConnectionHandle, ServerName, NameLength1, UserName, NameLength2,
                               Authentication, NameLength3);
    }));
}

DB2SIM_EXPORT SQLRETURN SQLGetInfo(SQLHDBC hdbc, SQLUSMALLINT fInfoType, SQLPOINTER rgbInfoValue,
                                   SQLSMALLINT cbInfoValueMax, SQLSMALLINT* pcbInfoValue) {
    return static_cast<SQLRETURN>(guarded([&] {
        return db2sim::getInfo(hdbc, fInfoType, rgbInfoValue, cbInfoValueMax, pcbInfoValue);
    }));
}

DB2SIM_EXPORT SQLRETURN SQLDisconnect(SQLHDBC ConnectionHandle) {
    return static_cast<SQLRETURN>(guarded([&] { return db2sim::disconnect(ConnectionHandle); }));
}

DB2SIM_EXPORT SQLRETURN SQLFreeHandle(SQLSMALLINT HandleType, SQLHANDLE Handle) {
    return static_cast<SQLRETURN>(guarded([&] { return db2sim::freeHandle(HandleType, Handle); }));
}

DB2SIM_EXPORT SQLRETURN SQLEndTran(SQLSMALLINT HandleType, SQLHANDLE Handle,
                                   SQLSMALLINT CompletionType) {
    return static_cast<SQLRETURN>(
        guarded([&] { return db2sim::endTran(HandleType, Handle, CompletionType); }));
}
