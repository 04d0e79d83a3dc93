// CONNECT: opens a DB2 CLI connection to a database, bound to a DB2 context of its own, and hands
// the context and both CLI handles to the run-time context with the server's version text.
//
// A connection already stored is closed natively first and cleared in Java; when it cannot be
// closed (handles of another connection, context not made current) the connect fails with a
// message and keeps it. A failed connect frees what it allocated and ends its context, as it does
// when Java's setter does not take the new connection. Otherwise it raises no Java exception of
// its own: the false result is the whole report.
#pragma once

#include <memory>

#include "commands/connection/cliconnection.h"
#include "commands/createdcontext.h"
#include "commands/db2cmdbase.h"

class StoredConnection;

class CDB2ConnectCmd : public CDB2CmdBase {
  public:
    CDB2ConnectCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                   const tarvinex::JavaObject& container);
    ~CDB2ConnectCmd() override;

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

    // SQL_SUCCESS and SQL_SUCCESS_WITH_INFO pass; everything else fails.
    static bool CLI_CHECK(SQLRETURN rc, SQLHANDLE handler);

  private:
    bool closePreviousConnection();
    bool allocateHandles();
    bool bindConnection();
    bool connect();
    t_string serverVersion();

    // Declared first so that it goes last: the connection is closed before its context ends.
    CreatedContext ctx;
    CliConnection handles;
    t_string aliasName;
    t_string userId;
    t_string password;
    int nodeId = 0;
    std::unique_ptr<StoredConnection> previous;  // what Java held when the command began
};
