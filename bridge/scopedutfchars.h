// The modified UTF-8 characters of a Java string, released when the holder goes out of scope.
#pragma once

#include <jni.h>

namespace tarvinex {

class ScopedUtfChars {
  public:
    // A null string gives null characters; so does a failed copy (an OutOfMemoryError is then
    // pending).
    ScopedUtfChars(JNIEnv* env, jstring text)
        : env_(env),
          text_(text),
          chars_(text != nullptr ? env->GetStringUTFChars(text, nullptr) : nullptr) {}
    ~ScopedUtfChars() {
        if (chars_ != nullptr) {
            env_->ReleaseStringUTFChars(text_, chars_);
        }
    }

    ScopedUtfChars(const ScopedUtfChars&) = delete;
    ScopedUtfChars& operator=(const ScopedUtfChars&) = delete;

    const char* c_str() const { return chars_; }

  private:
    JNIEnv* env_;
    jstring text_;
    const char* chars_;
};

}  // namespace tarvinex
