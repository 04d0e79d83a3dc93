// The library's exported entry points: the native methods of
// com.qorvath.db2command.jniutil.TarvinexUtil. Nothing else is exported (see exports.map), and no
// C++ exception leaves these functions.
#include <jni.h>

#include "native/commanddispatch.h"
#include "base/javaexception.h"

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

// The monitor snapshot arrives with the monitoring commands; until then it answers null with an
// SQLException that says so.
JNIEXPORT jobject JNICALL Java_com_qorvath_db2command_jniutil_TarvinexUtil_getSnapshotInByteBuffer(
    JNIEnv* env, jclass, jint, jint, jstring, jint, jobject, jint) {
    ThrowJavaException(env, "getSnapshotInByteBuffer is not available in this build");
    return nullptr;
}

}  // extern "C"
