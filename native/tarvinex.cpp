// The library's exported entry points: the native methods of
// com.qorvath.db2command.jniutil.TarvinexUtil. Nothing else is exported (see exports.map), and no
// C++ exception leaves these functions.
#include <jni.h>

#include "native/commanddispatch.h"
#include "native/snapshotdispatch.h"

extern "C" {

JNIEXPORT jboolean JNICALL Java_com_qorvath_db2command_jniutil_TarvinexUtil_executeDB2Command(
    JNIEnv* env, jclass, jobject command, jobject context, jobject resultset) {
    return tarvinex::guardNative(env, static_cast<jboolean>(JNI_FALSE), [&]() -> jboolean {
        const bool ok = tarvinex::ExecuteCommand(env, command, context, resultset,
                                                 tarvinex::LibraryCommandTable());
        return ok ? JNI_TRUE : JNI_FALSE;
    });
}

JNIEXPORT jstring JNICALL
Java_com_qorvath_db2command_jniutil_TarvinexUtil_getClientVersion(JNIEnv* env, jclass) {
    return tarvinex::guardNative(env, static_cast<jstring>(nullptr),
                                 [&]() { return tarvinex::ClientVersion(env); });
}

JNIEXPORT jobject JNICALL Java_com_qorvath_db2command_jniutil_TarvinexUtil_getSnapshotInByteBuffer(
    JNIEnv* env, jclass, jint nodeid, jint snapshotType, jstring objectName, jint agentid,
    jobject context, jint writeToFile) {
    return tarvinex::guardNative(env, static_cast<jobject>(nullptr), [&]() {
        return tarvinex::SnapshotInByteBuffer(env, nodeid, snapshotType, objectName, agentid,
                                              context, writeToFile);
    });
}

}  // extern "C"
