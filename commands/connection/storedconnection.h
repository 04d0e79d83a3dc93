// The database connection the Java run-time context holds: a DB2 context id and two CLI handles.
// Used by disconnect, and by connect to close the connection it replaces.
#pragma once

#include "bridge/db2commandruntimecontext.h"
#include "db2api/db2types.h"

class StoredConnection {
  public:
    // Reads the three values. An id no context stands behind counts as no connection.
    explicit StoredConnection(const tarvinex::DB2CommandRuntimeContext& context);

    bool exists() const { return m_pCtx != nullptr; }

    // Closes the connection natively, ignoring DB2's answers: the CLI connection is disconnected
    // and freed, the environment freed, then the context made current on this thread and ended.
    // Java's values are left for the caller to clear.
    void Close();

  private:
    void* m_pCtx;
    SQLHENV m_hEnv;
    SQLHDBC m_hDbc;
};
