#include "bridge/javastrings.h"

#include "native/javatext.h"

namespace tarvinex {

jstring newJavaString(JNIEnv* env, const char* text) {
    const std::string safe = toModifiedUtf8(text != nullptr ? text : "");
    return env->NewStringUTF(safe.c_str());
}

jstring newJavaString(JNIEnv* env, const t_string& text) {
    const std::string safe = toModifiedUtf8(text.data(), text.size());
    return env->NewStringUTF(safe.c_str());
}

}  // namespace tarvinex
