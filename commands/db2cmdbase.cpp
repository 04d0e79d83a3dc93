#include "commands/db2cmdbase.h"

#include "commands/privateapicontext.h"
#include "db2api/contexthandleregistry.h"
#include "db2api/db2apicontext.h"
#include "db2api/db2message.h"
#include "base/javaexception.h"

const char* const kNoSuchFunctionMessage = "Call DB2 API fail, no such function";
const char* const kRequiresDatabaseMessage = "Error: This command requires database connection!";
const char* const kRequiresInstanceMessage = "Error: This command requires instance connection!";
const char* const kNoContextMessage = "No DB2 context to make current";

CDB2CmdBase::CDB2CmdBase(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                         const tarvinex::JavaObject& container)
    : commandObj(command), contextObj(context), containerObj(container) {}

CDB2CmdBase::~CDB2CmdBase() = default;

bool CDB2CmdBase::BuildResultSet() {
    return true;
}

bool CDB2CmdBase::Execute() {
    if (!SetupData()) {
        FreeData(false);
        return false;
    }
    // A Java call that failed while the parameters were read leaves an exception pending and a
    // defaulted value behind. DB2 must not act on it while Java is told the command failed.
    if (ExceptionOccurred()) {
        FreeData(false);
        return false;
    }
    if (!SetupContext()) {
        FreeData(false);
        return false;
    }
    const bool ok = CallDB2API();
    // A command whose rows are its result fails when they could not be written.
    const bool built = ok && BuildResultSet();
    FreeData(ok);
    return built;
}

JNIEnv* CDB2CmdBase::getEnv() const {
    return commandObj.getEnv();
}

bool CDB2CmdBase::ExceptionOccurred() const {
    JNIEnv* env = getEnv();
    return env != nullptr && env->ExceptionCheck() == JNI_TRUE;
}

void CDB2CmdBase::throwJavaException(const char* message) {
    ThrowJavaException(getEnv(), message);
}

bool CDB2CmdBase::fitsField(const char* what, const t_string& text, std::size_t width) {
    if (text.size() <= width) {
        return true;
    }
    throwJavaException(
        (t_string(what) + " longer than " + std::to_string(width) + " characters: " + text)
            .c_str());
    return false;
}

bool CDB2CmdBase::isDB2Error(sqlca& ca) {
    if (ca.sqlcode >= 0) {
        return false;
    }
    throwJavaException(db2::GetError(ca).c_str());
    return true;
}

bool CDB2CmdBase::checkDB2Call(int rc, const sqlca& ca) {
    if (rc == -1 && ca.sqlcode == 0) {
        throwJavaException(kNoSuchFunctionMessage);
        return false;
    }
    if (ca.sqlcode < 0) {
        throwJavaException(db2::GetError(ca).c_str());
        return false;
    }
    if (ca.sqlcode > 0) {
        contextObj.setWarningMessage(db2::GetMessage(ca).c_str());
        // A warning Java would not take fails the step; its exception goes to the caller.
        return !ExceptionOccurred();
    }
    return true;
}

bool CDB2CmdBase::isAboveVersion8_2() {
    if (!(contextObj.getClientVersion() > 8.2)) {
        return false;
    }
    return contextObj.getDatabaseVersion() > 8.2;
}

bool CDB2CmdBase::setupDatabaseContext() {
    return setupStoredContext(contextObj.getDatabaseConnectionContext(), kRequiresDatabaseMessage);
}

bool CDB2CmdBase::setupInstanceContext() {
    return setupStoredContext(contextObj.getInstanceConnectionContext(), kRequiresInstanceMessage);
}

bool CDB2CmdBase::setupStoredContext(int id, const char* requirement) {
    if (ExceptionOccurred()) {
        return false;  // the getter failed: its exception goes to Java as it is
    }
    void* ctx = db2::ContextHandleRegistry::FromHandle(id);
    if (ctx == nullptr) {
        throwJavaException(requirement);
        return false;
    }
    return makeCurrent(ctx);
}

bool CDB2CmdBase::makeCurrent(void* ctx) {
    if (ctx == nullptr) {
        throwJavaException(kNoContextMessage);
        return false;
    }
    sqlca answer;
    if (db2::CDB2APIContext::AttachCtx(ctx, answer)) {
        return true;
    }
    raiseAttachFailure(answer);
    return false;
}

bool CDB2CmdBase::beginPrivateContext(PrivateAPIContext& ctx) {
    sqlca answer = zeroedSqlca();
    switch (ctx.Begin(answer)) {
        case PrivateAPIContext::Start::kBegun:
            return true;
        case PrivateAPIContext::Start::kNotCurrent:
            raiseAttachFailure(answer);
            return false;
        case PrivateAPIContext::Start::kNotCreated:
            break;
    }
    return false;
}

void CDB2CmdBase::raiseAttachFailure(const sqlca& answer) {
    throwJavaException(answer.sqlcode < 0 ? db2::GetError(answer).c_str() : kNoSuchFunctionMessage);
}
