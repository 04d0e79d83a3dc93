// A local reference frame: every local reference made while it is open is freed when it closes.
// Loops that make references in bulk open one per round; the JVM also counts the frame's
// capacity, so a frame avoids "exceeds capacity" complaints of -Xcheck:jni.
#pragma once

#include <jni.h>

namespace tarvinex {

class ScopedLocalFrame {
  public:
    // A failed push (an OutOfMemoryError is then pending) leaves isOpen() false.
    ScopedLocalFrame(JNIEnv* env, jint capacity)
        : env_(env), open_(env->PushLocalFrame(capacity) == JNI_OK) {}
    ~ScopedLocalFrame() { pop(nullptr); }

    ScopedLocalFrame(const ScopedLocalFrame&) = delete;
    ScopedLocalFrame& operator=(const ScopedLocalFrame&) = delete;

    bool isOpen() const { return open_; }

    // Closes the frame early, keeping `result` alive: returns its reference in the outer frame.
    // Any other reference made inside the frame is invalid afterwards.
    jobject pop(jobject result) {
        if (!open_) {
            return nullptr;
        }
        open_ = false;
        return env_->PopLocalFrame(result);
    }

  private:
    JNIEnv* env_;
    bool open_;
};

}  // namespace tarvinex
