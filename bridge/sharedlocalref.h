// A local reference shared by the copies of a bridge wrapper. Wrappers are passed and kept by
// value, so no single copy may delete what it holds; the last copy to go deletes it. A borrowed
// reference (one the caller made and keeps) is shared the same way but never deleted.
#pragma once

#include <jni.h>

#include <memory>

namespace tarvinex {

template <typename T>
class SharedLocalRef {
  public:
    SharedLocalRef() = default;

    // Takes the reference over: it is deleted with the last copy.
    static SharedLocalRef owned(JNIEnv* env, T ref) {
        SharedLocalRef shared(ref);
        if (ref != nullptr && env != nullptr) {
            shared.owner_ = std::shared_ptr<void>(ref, [env](T r) { env->DeleteLocalRef(r); });
        }
        return shared;
    }

    // Uses the reference without ever deleting it.
    static SharedLocalRef borrowed(T ref) { return SharedLocalRef(ref); }

    T get() const { return ref_; }

  private:
    explicit SharedLocalRef(T ref) : ref_(ref) {}

    T ref_ = nullptr;
    std::shared_ptr<void> owner_;  // empty when borrowed; its deleter frees the reference
};

}  // namespace tarvinex
