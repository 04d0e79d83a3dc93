// The two DB2 CLI handles of one database connection: the environment and the connection.
// Whatever this object holds when it goes is closed: the connection disconnected and freed, then
// the environment freed. Release() gives the handles up once Java keeps them.
#pragma once

#include "db2api/db2types.h"

class CliConnection {
  public:
    CliConnection() = default;
    // Takes over handles allocated earlier (0 for none).
    CliConnection(SQLHENV hEnv, SQLHDBC hDbc) : m_hEnv(hEnv), m_hDbc(hDbc) {}
    CliConnection(const CliConnection&) = delete;
    CliConnection& operator=(const CliConnection&) = delete;
    ~CliConnection() { Close(); }

    SQLHENV env() const { return m_hEnv; }
    SQLHDBC dbc() const { return m_hDbc; }
    // Where SQLAllocHandle writes the new handles.
    SQLHANDLE* envSlot() { return &m_hEnv; }
    SQLHANDLE* dbcSlot() { return &m_hDbc; }

    // Disconnects and frees what is held; DB2's answers are ignored.
    void Close();
    // Forgets the handles without closing them.
    void Release() { m_hEnv = m_hDbc = SQL_NULL_HANDLE; }

  private:
    SQLHENV m_hEnv = SQL_NULL_HANDLE;
    SQLHDBC m_hDbc = SQL_NULL_HANDLE;
};
