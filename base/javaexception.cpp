#include "base/javaexception.h"

#include <cstdio>

#include "base/diagnostics.h"
#include "base/javatext.h"

void ThrowJavaException(JNIEnv* env, const char* message) {
    const char* text = message != nullptr ? message : "";
    if (tarvinex::DiagnosticsEnabled()) {
        std::fprintf(stderr, " %s: \n", text);
    }
    if (env != nullptr && env->ExceptionCheck()) {
        env->ExceptionClear();
    }
    JNU_ThrowByName(env, "java/sql/SQLException", text);
}

void JNU_ThrowByName(JNIEnv* env, const char* className, const char* message) {
    if (env == nullptr) {
        return;
    }
    if (env->ExceptionCheck()) {
        env->ExceptionClear();
    }
    jclass cls = env->FindClass(className);
    if (cls == nullptr) {
        return;
    }
    // ThrowNew decodes the message as modified UTF-8, so DB2's bytes are made valid first.
    const std::string safe = tarvinex::toModifiedUtf8(message != nullptr ? message : "");
    env->ThrowNew(cls, safe.c_str());
    env->DeleteLocalRef(cls);
}
