#include "native/commanddispatch.h"

#include <cstring>
#include <string>

#include "bridge/calllookups.h"
#include "bridge/db2apidatacontainer.h"
#include "bridge/db2commandruntimecontext.h"
#include "bridge/javastrings.h"
#include "commands/db2cmdbase.h"
#include "db2api/db2api.h"
#include "db2api/db2apicontext.h"
#include "db2api/db2apicontextcleaner.h"
#include "base/javaexception.h"

namespace tarvinex {

const CommandType* FindCommandType(const CommandTable& table, int code) {
    for (std::size_t i = 0; i < table.size; ++i) {
        if (table.rows[i].code == code) {
            return &table.rows[i];
        }
    }
    return nullptr;
}

const CommandType* SelectCommandType(const CommandTable& table, int code, double clientVersion) {
    const CommandType* row = FindCommandType(table, code);
    if (row == nullptr || row->create == nullptr) {
        return nullptr;
    }
    if (row->needsVersion8 && !(clientVersion >= 8.0)) {
        return nullptr;
    }
    return row;
}

namespace {

bool rejectNullArguments(JNIEnv* env, jobject command, jobject context, jobject resultset) {
    if (command == nullptr) {
        ThrowJavaException(env, "command object is null!");
        return true;
    }
    if (context == nullptr) {
        ThrowJavaException(env, "context object is null!");
        return true;
    }
    if (resultset == nullptr) {
        ThrowJavaException(env, "resultset object is null!");
        return true;
    }
    return false;
}

// Reads the code through command.getType().getType(); false when getType() answers null or
// either getter throws (its exception is left to reach Java).
bool readTypeCode(const JavaObject& commandObj, int& code) {
    JNIEnv* env = commandObj.getEnv();
    const t_string enumClass = JavaObject::getDB2CommandClassName("EnumDB2CommandType");
    JavaObject typeObj = commandObj.getChildObject("getType", enumClass.c_str());
    if (env->ExceptionCheck()) {
        return false;
    }
    if (typeObj.isNull()) {
        ThrowJavaException(env, "get EnumDB2CommandType from DB2Command return null!");
        return false;
    }
    code = typeObj.callintMethod("getType");
    return !env->ExceptionCheck();
}

}  // namespace

bool ExecuteCommand(JNIEnv* env, jobject command, jobject context, jobject resultset,
                    const CommandTable& table) {
    // Every call starts with no DB2 context on the thread and leaves with the one it found.
    db2::CDB2APIContextCleaner guard(nullptr);
    db2::CDB2APIContext::DetachCurrentCtx();

    if (rejectNullArguments(env, command, context, resultset)) {
        return false;
    }
    // Before every wrapper of the call: they borrow the class references it holds.
    CallLookups lookups(env);
    const t_string commandClass = JavaObject::getDB2CommandClassName("DB2Command");
    JavaObject commandObj(env, commandClass.c_str(), command);
    DB2CommandRuntimeContext contextObj(env, context);
    DB2APIDataContainer containerObj(env, resultset);
    if (env->ExceptionCheck()) {
        return false;  // the run-time context's getter threw
    }

    int code = 0;
    if (!readTypeCode(commandObj, code)) {
        return false;
    }
    const double clientVersion = contextObj.getClientVersion();
    if (env->ExceptionCheck()) {
        return false;
    }
    const CommandType* row = SelectCommandType(table, code, clientVersion);
    if (row == nullptr) {
        ThrowJavaException(env, "unknown command type!");
        return false;
    }
    std::unique_ptr<CDB2CmdBase> cmd = row->create(commandObj, contextObj, containerObj);
    return cmd->Execute();
}

jstring ClientVersion(JNIEnv* env) {
    sqlca ca = zeroedSqlca();
    void* ctx = nullptr;
    const db2::DB2API& api = db2::DB2API::Instance();
    api.GetCurrentContext(&ctx, nullptr, &ca);
    if (ca.sqlcode < 0) {
        // No usable context on this thread: make one only to read the client's signature.
        ctx = nullptr;
        ca = zeroedSqlca();
        api.CreateContext(&ctx, 0, nullptr, &ca);
        if (ctx != nullptr) {
            api.DestroyContext(&ctx, 0, nullptr, &ca);
        }
    }
    // The signature is three letters, then two digits of version, two of release, one of
    // modification ("SQL09074" -> "09074").
    const char* digits = ca.sqlerrp + 3;
    const void* nul = std::memchr(digits, 0, 5);
    const std::size_t length =
        nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - digits) : 5;
    return newJavaString(env, t_string(digits, length));
}

void reportNativeFailure(JNIEnv* env, const char* what) noexcept {
    try {
        const std::string message = std::string("native failure: ") + (what ? what : "");
        ThrowJavaException(env, message.c_str());
    } catch (...) {
        ThrowJavaException(env, "native failure");
    }
}

}  // namespace tarvinex
