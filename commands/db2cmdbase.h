// The base of every command: a fixed life cycle and the operations commands share.
//
//   Execute():  SetupData -> SetupContext -> CallDB2API -> BuildResultSet (on success) -> FreeData
//
// FreeData runs exactly once per Execute and learns whether the DB2 call succeeded. A step that
// fails has raised its Java exception already; Execute adds no message of its own. The command
// succeeds when CallDB2API and BuildResultSet both do.
#pragma once

#include "bridge/db2apidatacontainer.h"
#include "bridge/db2commandruntimecontext.h"
#include "bridge/javaobject.h"
#include "db2api/db2types.h"
#include "base/stdafx.h"

class PrivateAPIContext;

class CDB2CmdBase {
  public:
    CDB2CmdBase(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                const tarvinex::JavaObject& container);
    CDB2CmdBase(const CDB2CmdBase&) = delete;
    CDB2CmdBase& operator=(const CDB2CmdBase&) = delete;

    // Makes the right DB2 context current and checks the connection requirement.
    virtual bool SetupContext() = 0;
    // Reads the command's parameters from Java and builds the DB2 structures.
    virtual bool SetupData() = 0;
    // Releases what SetupData and CallDB2API allocated and ends any private context.
    virtual void FreeData(bool rslt) = 0;
    // Calls the DB2 entry points and judges the sqlca.
    virtual bool CallDB2API() = 0;
    // Writes result rows; only called after a successful CallDB2API. False (with the Java
    // exception pending) when the rows could not be written; the command then fails.
    virtual bool BuildResultSet();
    virtual ~CDB2CmdBase();
    // The life cycle. No command overrides it.
    virtual bool Execute() final;

    JNIEnv* getEnv() const;
    bool ExceptionOccurred() const;
    void throwJavaException(const char* message);
    // False, raising "<what> longer than <width> characters: <text>", when `text` does not fit a
    // DB2 name field of `width` characters: DB2 would read it cut, and the cut name could be
    // another entry's.
    bool fitsField(const char* what, const t_string& text, std::size_t width);

    // Raises the DB2 error text and returns true when sqlcode is negative; otherwise false.
    bool isDB2Error(sqlca& ca);

    // The caller convention for a wrapper call that took an sqlca: -1 means the entry point is
    // missing; a negative sqlcode raises the DB2 error text; a positive one is handed to the
    // run-time context as a warning (a setWarningMessage that throws fails the step). Returns
    // whether the step succeeded.
    bool checkDB2Call(int rc, const sqlca& ca);

    // True when both the client and the database server are strictly above 8.2.
    bool isAboveVersion8_2();

    // Attach the context stored in the run-time context, or raise the requirement message.
    // False, with no further Java or DB2 call, when the getter left an exception pending; false
    // with DB2's text when the context cannot be made current.
    bool setupDatabaseContext();
    bool setupInstanceContext();
    // Makes ctx current on this thread. When DB2 refuses (or ctx is null), raises DB2's text (or
    // the no-such-function message) and returns false: the command must not call DB2 then.
    bool makeCurrent(void* ctx);
    // Begins the command's own context and makes it current. False without a message when DB2
    // could not create one; false with DB2's text when it could not be made current.
    bool beginPrivateContext(PrivateAPIContext& ctx);

  protected:
    // The common part of the setup*Context functions: `id` was just read from Java.
    bool setupStoredContext(int id, const char* requirement);
    // Raises the failure of an attach whose sqlca is `answer`.
    void raiseAttachFailure(const sqlca& answer);

    tarvinex::JavaObject commandObj;
    tarvinex::DB2CommandRuntimeContext contextObj;
    DB2APIDataContainer containerObj;
};

// Messages of the command framework.
extern const char* const kNoSuchFunctionMessage;
extern const char* const kRequiresDatabaseMessage;
extern const char* const kRequiresInstanceMessage;
extern const char* const kNoContextMessage;
