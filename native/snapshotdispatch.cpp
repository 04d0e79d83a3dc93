#include "native/snapshotdispatch.h"

#include <cstring>
#include <string>
#include <string_view>

#include "bridge/calllookups.h"
#include "bridge/db2commandruntimecontext.h"
#include "bridge/javastrings.h"
#include "bridge/scopedlocalref.h"
#include "bridge/scopedutfchars.h"
#include "commands/db2cmdbase.h"
#include "commands/monitor/db2snapshothandler.h"
#include "commands/monitor/monitorcontext.h"
#include "db2api/contexthandleregistry.h"
#include "db2api/db2apicontext.h"
#include "db2api/db2apicontextcleaner.h"
#include "db2api/db2message.h"
#include "db2api/db2structs.h"
#include "base/javaexception.h"

namespace tarvinex {

namespace {

struct SnapshotVersions {
    double client = 0;
    double instance = 0;
    int instanceContext = 0;
};

// The run-time context's part: false (its exception pending) when Java failed.
bool readContext(JNIEnv* env, jobject context, SnapshotVersions& versions) {
    if (context == nullptr) {
        ThrowJavaException(env, "context object is null!");
        return false;
    }
    DB2CommandRuntimeContext contextObj(env, context);
    versions.client = contextObj.getClientVersion();
    versions.instance = contextObj.getInstanceVersion();
    versions.instanceContext = contextObj.getInstanceConnectionContext();
    return env->ExceptionCheck() != JNI_TRUE;
}

// The request for one object; false (an SQLException raised) when DB2 would read the name as
// another one.
bool buildRequest(JNIEnv* env, jint snapshotType, jstring objectName, jint agentid,
                  sqlma& request) {
    t_string name;
    if (objectName != nullptr) {
        ScopedUtfChars chars(env, objectName);
        if (chars.c_str() == nullptr) {
            return false;  // out of memory, its error pending
        }
        name = fromModifiedUtf8(chars.c_str());
    }
    if (name.find('\0') != t_string::npos) {
        ThrowJavaException(env,
                           "Snapshot object name holds U+0000, which DB2 would read as a "
                           "shorter name");
        return false;
    }
    if (!CDB2SnapshotHandler::BuildRequest(static_cast<sqluint32>(snapshotType), name,
                                           static_cast<sqluint32>(agentid), request)) {
        const std::string message = "Snapshot object name longer than " +
                                    std::to_string(SQLM_OBJECT_SZ - 1) + " characters: " + name;
        ThrowJavaException(env, message.c_str());
        return false;
    }
    return true;
}

// A direct ByteBuffer holding exactly `stream`, or null.
jobject newDirectBuffer(JNIEnv* env, std::string_view stream) {
    ScopedLocalRef<jclass> bufferClass(env, env->FindClass("java/nio/ByteBuffer"));
    jmethodID allocate = bufferClass.get() == nullptr
                             ? nullptr
                             : env->GetStaticMethodID(bufferClass.get(), "allocateDirect",
                                                      "(I)Ljava/nio/ByteBuffer;");
    if (allocate == nullptr) {
        return nullptr;  // the lookup's error pending
    }
    // The stream fits the snapshot buffer, whose size is a db2int32: it fits a jint too.
    ScopedLocalRef<jobject> buffer(
        env,
        env->CallStaticObjectMethod(bufferClass.get(), allocate, static_cast<jint>(stream.size())));
    if (env->ExceptionCheck() == JNI_TRUE || buffer.get() == nullptr) {
        ThrowJavaException(env, "Not enough memory!");
        return nullptr;
    }
    void* address = env->GetDirectBufferAddress(buffer.get());
    const jlong capacity = env->GetDirectBufferCapacity(buffer.get());
    if (address == nullptr || capacity < 0 || static_cast<std::size_t>(capacity) != stream.size()) {
        return nullptr;
    }
    std::memcpy(address, stream.data(), stream.size());
    return buffer.release();
}

}  // namespace

jobject SnapshotInByteBuffer(JNIEnv* env, jint nodeid, jint snapshotType, jstring objectName,
                             jint agentid, jobject context, jint writeToFile) {
    // The thread leaves with the context it came with, whatever happens below.
    db2::CDB2APIContextCleaner guard(nullptr);
    db2::CDB2APIContext::DetachCurrentCtx();

    CallLookups lookups(env);
    SnapshotVersions versions;
    if (!readContext(env, context, versions)) {
        return nullptr;
    }
    sqlma request{};
    if (!buildRequest(env, snapshotType, objectName, agentid, request)) {
        return nullptr;
    }
    MonitorContext monitorContext;
    sqlca answer = zeroedSqlca();
    const MonitorContext::Start start = monitorContext.Begin(
        db2::ContextHandleRegistry::FromHandle(versions.instanceContext), answer);
    if (start == MonitorContext::Start::kNotCurrent) {
        // As for any command: no DB2 call without its context, and DB2's word on why.
        ThrowJavaException(
            env, answer.sqlcode < 0 ? db2::GetError(answer).c_str() : kNoSuchFunctionMessage);
        return nullptr;
    }
    if (start == MonitorContext::Start::kNotCreated) {
        return nullptr;
    }
    CDB2SnapshotHandler handler(versions.instance, versions.client);
    if (!handler.GetSnapShot(nodeid, static_cast<db2Uint32>(writeToFile), request)) {
        return nullptr;
    }
    return newDirectBuffer(env, handler.Stream());
}

}  // namespace tarvinex
