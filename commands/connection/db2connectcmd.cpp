#include "commands/connection/db2connectcmd.h"

#include <cstdint>
#include <cstring>

#include "commands/connection/storedconnection.h"
#include "db2api/contexthandleregistry.h"
#include "db2api/db2api.h"

namespace {

// The DBMS version text is asked for with a buffer of this size.
constexpr SQLSMALLINT kVersionBufferSize = 1024;

SQLPOINTER attributeValue(intptr_t value) {
    return reinterpret_cast<SQLPOINTER>(value);
}

SQLCHAR* text(t_string& s) {
    return reinterpret_cast<SQLCHAR*>(s.data());
}

}  // namespace

CDB2ConnectCmd::CDB2ConnectCmd(const tarvinex::JavaObject& command,
                               const tarvinex::JavaObject& context,
                               const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

CDB2ConnectCmd::~CDB2ConnectCmd() = default;

bool CDB2ConnectCmd::CLI_CHECK(SQLRETURN rc, SQLHANDLE) {
    return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO;
}

bool CDB2ConnectCmd::SetupData() {
    const tarvinex::JavaObject connect(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName("DB2CommandConnect").c_str());
    aliasName = connect.getFieldString("Alias");
    userId = connect.getFieldString("UserId");
    password = connect.getFieldString("Password");
    nodeId = contextObj.getConnectNodeId();
    // Read with the parameters, so that a failing getter stops the command before any DB2 call.
    previous = std::make_unique<StoredConnection>(contextObj);
    return true;
}

bool CDB2ConnectCmd::SetupContext() {
    if (previous->stored() && !closePreviousConnection()) {
        return false;
    }
    return ctx.Create();
}

// Java's disconnect() cannot free native handles, so the connection is closed here before Java
// forgets it. Clearing the stored values first means a disconnect() that calls back into the
// library finds nothing left to close. A connection that cannot be closed stays as it is.
bool CDB2ConnectCmd::closePreviousConnection() {
    if (previous->exists()) {
        if (!previous->Prepare(*this)) {
            return false;
        }
        previous->Close();
    }
    contextObj.setDatabaseConnectionContext(0, 0, 0);
    contextObj.disconnect();
    return !ExceptionOccurred();
}

bool CDB2ConnectCmd::CallDB2API() {
    return allocateHandles() && bindConnection() && connect();
}

bool CDB2ConnectCmd::allocateHandles() {
    const db2::DB2API& api = db2::DB2API::Instance();
    return CLI_CHECK(api.SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, handles.envSlot()), 0) &&
           CLI_CHECK(api.SQLSetEnvAttr(handles.env(), SQL_ATTR_ODBC_VERSION,
                                       attributeValue(SQL_OV_ODBC3), 0),
                     handles.env()) &&
           CLI_CHECK(api.SQLAllocHandle(SQL_HANDLE_DBC, handles.env(), handles.dbcSlot()),
                     handles.env());
}

bool CDB2ConnectCmd::bindConnection() {
    const db2::DB2API& api = db2::DB2API::Instance();
    if (nodeId != -1) {
        // The partition is read again: the value Java holds now is the one that counts.
        const intptr_t node = contextObj.getConnectNodeId();
        if (!CLI_CHECK(api.SQLSetConnectAttr(handles.dbc(), SQL_ATTR_CONNECT_NODE,
                                             attributeValue(node), 0),
                       handles.dbc())) {
            return false;
        }
    }
    return CLI_CHECK(api.SQLSetConnectAttr(handles.dbc(), SQL_ATTR_CONTEXT, ctx.get(), 0),
                     handles.dbc());
}

bool CDB2ConnectCmd::connect() {
    t_string alias = aliasName;
    t_string user = userId;
    t_string pwd = password;
    const int rc = db2::DB2API::Instance().SQLConnect(handles.dbc(), text(alias), SQL_NTS,
                                                      text(user), SQL_NTS, text(pwd), SQL_NTS);
    return CLI_CHECK(rc, handles.dbc());
}

t_string CDB2ConnectCmd::serverVersion() {
    char buffer[kVersionBufferSize] = {};
    SQLSMALLINT size = 0;
    const int rc = db2::DB2API::Instance().SQLGetInfo(handles.dbc(), SQL_DBMS_VER, buffer,
                                                      kVersionBufferSize, &size);
    if (!CLI_CHECK(rc, handles.dbc()) || size <= 0) {
        return t_string();
    }
    // size is the full length, which may exceed what the buffer took.
    const std::size_t limit = size < kVersionBufferSize ? size : kVersionBufferSize - 1;
    return t_string(buffer, strnlen(buffer, limit));
}

void CDB2ConnectCmd::FreeData(bool rslt) {
    // On failure, or when Java does not take them, `handles` and `ctx` close what was opened.
    if (!rslt || ExceptionOccurred()) {
        return;
    }
    const SQLHENV env = handles.env();
    const SQLHDBC dbc = handles.dbc();
    const t_string version = serverVersion();
    db2::ContextHandleRegistry::BindCliHandles(ctx.get(), env, dbc);
    contextObj.setDatabaseConnectionContext(ctx.Id(), env, dbc);
    if (ExceptionOccurred()) {
        return;
    }
    handles.Release();
    ctx.Release();
    contextObj.setDatabaseServerVersion(version.c_str());
}
