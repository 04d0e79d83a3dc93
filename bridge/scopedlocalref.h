// Deletes one local reference when it goes out of scope.
#pragma once

#include <jni.h>

namespace tarvinex {

template <typename T>
class ScopedLocalRef {
  public:
    ScopedLocalRef(JNIEnv* env, T ref) : env_(env), ref_(ref) {}
    ~ScopedLocalRef() { reset(); }

    ScopedLocalRef(const ScopedLocalRef&) = delete;
    ScopedLocalRef& operator=(const ScopedLocalRef&) = delete;
    ScopedLocalRef(ScopedLocalRef&& other) noexcept : env_(other.env_), ref_(other.release()) {}
    ScopedLocalRef& operator=(ScopedLocalRef&& other) noexcept {
        if (this != &other) {
            reset(other.release());
            env_ = other.env_;
        }
        return *this;
    }

    T get() const { return ref_; }

    // Gives the reference up without deleting it.
    T release() {
        T ref = ref_;
        ref_ = nullptr;
        return ref;
    }

    // DeleteLocalRef is allowed while a Java exception is pending.
    void reset(T ref = nullptr) {
        if (ref_ != nullptr && env_ != nullptr) {
            env_->DeleteLocalRef(ref_);
        }
        ref_ = ref;
    }

  private:
    JNIEnv* env_;
    T ref_;
};

}  // namespace tarvinex
