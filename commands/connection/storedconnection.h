// The database connection the Java run-time context holds: a DB2 context id and two CLI handles.
// Used by disconnect, and by connect to close the connection it replaces.
#pragma once

#include "bridge/db2commandruntimecontext.h"
#include "db2api/db2types.h"

class CDB2CmdBase;

class StoredConnection {
  public:
    // Reads the three values. An id no context stands behind counts as no connection.
    explicit StoredConnection(const tarvinex::DB2CommandRuntimeContext& context);

    // Java holds a context id, whether or not a context stands behind it.
    bool stored() const { return m_id != 0; }
    bool exists() const { return m_pCtx != nullptr; }

    // Before Close: refuses handles that are not the context's own (a handle of 0 counts as
    // not given) and makes the context current on this thread. On refusal raises the reason
    // through `command` and returns false; nothing is closed then.
    bool Prepare(CDB2CmdBase& command);
    // Closes the connection natively, ignoring DB2's answers: the CLI connection is disconnected
    // and freed, the environment freed, then the context (current since Prepare) ended. Java's
    // values are left for the caller to clear.
    void Close();

  private:
    int m_id;
    void* m_pCtx;
    SQLHENV m_hEnv;
    SQLHDBC m_hDbc;
};

// The refusal of a triple whose CLI handles are not its context's own.
extern const char* const kForeignCliHandlesMessage;
