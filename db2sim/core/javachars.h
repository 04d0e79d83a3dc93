// A Java string's modified UTF-8 bytes for the length of one native call of the stand-in's Java
// control natives; null for a null string.
#pragma once

#include <jni.h>

namespace db2sim {

class JavaChars {
  public:
    JavaChars(JNIEnv* env, jstring text) : env_(env), text_(text) {
        if (text_ != nullptr) {
            chars_ = env_->GetStringUTFChars(text_, nullptr);
        }
    }
    ~JavaChars() {
        if (chars_ != nullptr) {
            env_->ReleaseStringUTFChars(text_, chars_);
        }
    }
    JavaChars(const JavaChars&) = delete;
    JavaChars& operator=(const JavaChars&) = delete;

    // False when the string was given but could not be read (an exception is pending).
    bool ok() const { return text_ == nullptr || chars_ != nullptr; }
    const char* get() const { return chars_; }

  private:
    JNIEnv* env_;
    jstring text_;
    const char* chars_ = nullptr;
};

}  // namespace db2sim
