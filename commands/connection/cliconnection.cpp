#include "commands/connection/cliconnection.h"

#include "db2api/db2api.h"

void CliConnection::Close() {
    const db2::DB2API& api = db2::DB2API::Instance();
    if (m_hDbc != SQL_NULL_HANDLE) {
        api.SQLDisconnect(m_hDbc);
        api.SQLFreeHandle(SQL_HANDLE_DBC, m_hDbc);
    }
    if (m_hEnv != SQL_NULL_HANDLE) {
        api.SQLFreeHandle(SQL_HANDLE_ENV, m_hEnv);
    }
    Release();
}
