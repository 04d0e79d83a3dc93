// Test-only natives for com.qorvath.db2command.tests.LifeCycleProbe: a scripted command that
// records its life cycle, run through the same dispatch road as executeDB2Command, and direct
// access to DB2 contexts on the calling thread.
#include <jni.h>

#include <cstring>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"
#include "db2api/contexthandleregistry.h"
#include "db2api/db2api.h"
#include "db2api/db2apicontext.h"
#include "native/commanddispatch.h"

namespace {

std::mutex g_logMutex;
std::string g_log;

void record(const std::string& step) {
    std::lock_guard<std::mutex> lock(g_logMutex);
    if (!g_log.empty()) {
        g_log += ",";
    }
    g_log += step;
}

// "key=value;key=value" from ScriptedCommand.getScript().
std::map<std::string, std::string> parseScript(const std::string& text) {
    std::map<std::string, std::string> script;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string item = text.substr(start, end - start);
        const std::size_t eq = item.find('=');
        if (eq != std::string::npos) {
            script[item.substr(0, eq)] = item.substr(eq + 1);
        }
        start = end + 1;
    }
    return script;
}

int currentHandle() {
    return db2::ContextHandleRegistry::ToHandle(db2::CDB2APIContext::GetCurrentCtx());
}

class ScriptedCmd : public CDB2CmdBase {
  public:
    using CDB2CmdBase::CDB2CmdBase;

    bool SetupData() override {
        record("SetupData");
        tarvinex::JavaObject scripted(commandObj, "com/qorvath/db2command/tests/ScriptedCommand");
        script = parseScript(scripted.callStringMethod("getScript"));
        const std::string& how = script["setupData"];
        if (how == "javaerror") {
            scripted.callintMethod("noSuchGetter");  // leaves an exception pending
            return true;
        }
        return how != "fail";
    }

    bool SetupContext() override {
        record("SetupContext");
        const std::string& how = script["setupContext"];
        bool ok = true;
        if (how == "fail") {
            ok = false;
        } else if (how == "instance") {
            ok = setupInstanceContext();
        } else if (how == "database") {
            ok = setupDatabaseContext();
        } else if (how == "private") {
            ok = beginPrivateContext(privateContext);
        }
        if (ok && how != "fail") {
            record("current=" + std::to_string(currentHandle()));
        }
        return ok;
    }

    bool CallDB2API() override {
        record("CallDB2API");
        const std::string& how = script["call"];
        if (how == "fail") {
            return false;
        }
        if (how == "throw") {
            throw std::runtime_error("scripted failure");
        }
        if (how == "db2") {
            // A DB2 call judged by the caller convention: make a context and end it again.
            sqlca ca;
            std::memset(&ca, 0, sizeof(ca));
            void* ctx = nullptr;
            const db2::DB2API& api = db2::DB2API::Instance();
            const int rc = api.CreateContext(&ctx, SQL_CTX_CREATE_ONLY, nullptr, &ca);
            const bool ok = checkDB2Call(rc, ca);
            if (ctx != nullptr) {
                sqlca endCa;
                std::memset(&endCa, 0, sizeof(endCa));
                api.DestroyContext(&ctx, SQL_CTX_END_ALL, nullptr, &endCa);
            }
            return ok;
        }
        return true;
    }

    bool BuildResultSet() override {
        record("BuildResultSet");
        containerObj.addColumn("STEP");
        containerObj.newRow();
        containerObj.setColumnValue(1, "built");
        return true;
    }

    void FreeData(bool rslt) override {
        record(std::string("FreeData(") + (rslt ? "true" : "false") + ")");
        privateContext.End();
    }

  private:
    std::map<std::string, std::string> script;
    PrivateAPIContext privateContext;
};

const tarvinex::CommandType kProbeCommands[] = {
    {9001, "SCRIPTED", false, tarvinex::makeCommand<ScriptedCmd>},
    {9002, "SCRIPTED_V8", true, tarvinex::makeCommand<ScriptedCmd>},
};

}  // namespace

extern "C" {

JNIEXPORT jboolean JNICALL Java_com_qorvath_db2command_tests_LifeCycleProbe_execute(
    JNIEnv* env, jclass, jobject command, jobject context, jobject resultset) {
    {
        std::lock_guard<std::mutex> lock(g_logMutex);
        g_log.clear();
    }
    const tarvinex::CommandTable table{kProbeCommands, 2};
    return tarvinex::guardNative(env, static_cast<jboolean>(JNI_FALSE), [&]() -> jboolean {
        return tarvinex::ExecuteCommand(env, command, context, resultset, table) ? JNI_TRUE
                                                                                 : JNI_FALSE;
    });
}

JNIEXPORT jstring JNICALL Java_com_qorvath_db2command_tests_LifeCycleProbe_log(JNIEnv* env,
                                                                               jclass) {
    std::lock_guard<std::mutex> lock(g_logMutex);
    return env->NewStringUTF(g_log.c_str());
}

// Creates a context, attached to the calling thread or (as the connection commands store them)
// to none; returns its handle as Java keeps it.
JNIEXPORT jint JNICALL
Java_com_qorvath_db2command_tests_LifeCycleProbe_beginContext(JNIEnv*, jclass, jboolean attached) {
    sqlca ca;
    std::memset(&ca, 0, sizeof(ca));
    void* ctx = nullptr;
    db2::DB2API::Instance().CreateContext(&ctx, attached ? SQL_CTX_BEGIN_ALL : SQL_CTX_CREATE_ONLY,
                                          nullptr, &ca);
    return db2::ContextHandleRegistry::ToHandle(ctx);
}

JNIEXPORT jint JNICALL Java_com_qorvath_db2command_tests_LifeCycleProbe_currentContext(JNIEnv*,
                                                                                       jclass) {
    return currentHandle();
}

// Ends a context (detaching it first when it is the caller's) and forgets its handle.
JNIEXPORT void JNICALL Java_com_qorvath_db2command_tests_LifeCycleProbe_endContext(JNIEnv*, jclass,
                                                                                   jint handle) {
    void* ctx = db2::ContextHandleRegistry::FromHandle(handle);
    if (ctx == nullptr) {
        return;
    }
    db2::ContextHandleRegistry::Release(ctx);
    sqlca ca;
    std::memset(&ca, 0, sizeof(ca));
    db2::DB2API::Instance().DestroyContext(&ctx, SQL_CTX_END_ALL, nullptr, &ca);
}

JNIEXPORT jlong JNICALL Java_com_qorvath_db2command_tests_LifeCycleProbe_address(JNIEnv*, jclass,
                                                                                 jint handle) {
    return static_cast<jlong>(
        reinterpret_cast<uintptr_t>(db2::ContextHandleRegistry::FromHandle(handle)));
}

}  // extern "C"
