// The classes and method ids looked up during one native call, kept for the rest of that call.
//
// Looking a class or a method up by name is dear next to calling it: reading a command's
// parameters or a configuration catalogue asks for the same few methods of the same few classes
// hundreds of times. A CallLookups opened at the start of a native call (ExecuteCommand) finds
// each class once and each method of it once; JavaObject asks the innermost one open on its
// thread and looks up directly when none is. Nothing outlives the call: the class references are
// local references of the call's frame, deleted when the scope closes, and no global reference
// is made. A native call made from Java inside another opens its own scope; the enclosing one is
// restored when it closes.
#pragma once

#include <jni.h>

#include <deque>
#include <string>

namespace tarvinex {

class CallLookups {
  public:
    explicit CallLookups(JNIEnv* env);
    ~CallLookups();
    CallLookups(const CallLookups&) = delete;
    CallLookups& operator=(const CallLookups&) = delete;

    // The scope open on this thread for env, or null.
    static CallLookups* current(JNIEnv* env);

    // FindClass once per name. The reference belongs to the scope: borrow it, never delete it.
    // Null when the class cannot be found; FindClass's exception is then pending.
    jclass findClass(const char* name);
    // GetMethodID once per class, name and signature, for a class this scope found (else null
    // with nothing raised: the caller looks up itself). A method that is missing is not kept:
    // null with GetMethodID's NoSuchMethodError pending.
    jmethodID methodId(jclass cls, const char* name, const char* signature, bool& known);

  private:
    struct Method {
        jclass cls;
        const char* namePointer;  // as last asked for: literals find their entry at once
        const char* signaturePointer;
        std::string name;
        std::string signature;
        jmethodID id;
    };
    const Method* find(jclass cls, const char* name, const char* signature) const;
    struct Class {
        std::string name;
        jclass ref;
    };

    bool owns(jclass cls) const;

    JNIEnv* m_env;
    CallLookups* m_enclosing;
    std::deque<Class> m_classes;
    std::deque<Method> m_methods;
};

}  // namespace tarvinex
