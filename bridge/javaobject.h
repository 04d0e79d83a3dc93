// A Java object seen through one Java class. Commands read their parameters and write their
// results through it: each typed call looks a method up by name and signature and calls it.
//
// Failures never stop a command here: a call that cannot be made raises a java.sql.SQLException
// (through ThrowJavaException) and returns its empty or default value.
//   - Wrapped object null, its class not found, or the object not of that class:
//     "javaClass is null".
//   - Method not found: "GetMethodId() return null, methodName is <name>" (callintMethod and
//     calldoubleMethod also print "unknown method:<name> " on standard output).
//   - A text getter (callStringMethod, callStringMethodString, getFieldString) whose text holds
//     U+0000: "<getter>() returned a text holding U+0000, ...", and the empty text. These texts
//     are parameters that reach DB2 as C strings, where the NUL would end them early ("PRBDB\0x"
//     naming PRBDB). callTextMethod keeps the text whole for what never reaches DB2.
//   - A Java exception already pending: no Java call at all, the default comes back at once and
//     the pending exception is left as it is. So after the first failure nothing more runs in
//     Java, and a command never acts on values that a failed call made up.
//
// Local references. A wrapper holds two: the object and the class it is viewed through. Each is
// held by a SharedLocalRef, so copies share them and the last copy deletes them. An object given
// to the constructors is borrowed (never deleted); one a call returned inside a wrapper
// (getChildObject and friends) is owned. Every call deletes the references it makes except the
// one it returns; callObjectMethod and the other jobject-returning calls hand theirs to the
// caller. So a loop that builds and drops wrappers holds a constant number of references; to walk
// a collection, take each element with getChildObject("next", "java/lang/Object") and view it
// through its class with JavaObject(element, className).
// A wrapper must not outlive the native call, nor a ScopedLocalFrame opened before it was built;
// getObject() is valid while some copy of the wrapper lives.
//
// Classes and method ids are looked up when needed, once per native call where the call opened a
// CallLookups (bridge/calllookups.h), and never kept beyond the call; no global references are
// made. A wrapper belongs to the thread and native call that built it.
#pragma once

#include <jni.h>

#include "bridge/sharedlocalref.h"
#include "base/stdafx.h"

namespace tarvinex {

class JavaObject {
  public:
    // Finds className (FindClass) unless obj is null. A class that cannot be found, or that obj
    // is not an instance of, is reported as "javaClass is null" by the first call.
    JavaObject(JNIEnv* env, const char* className, jobject obj);
    // The same object viewed through another class.
    JavaObject(const JavaObject& src, const char* className);
    JavaObject(const JavaObject& src) = default;
    JavaObject& operator=(const JavaObject& src) = default;
    virtual ~JavaObject() = default;

    // Wraps a local reference the caller made and gives up (the wrapper deletes it).
    static JavaObject adopt(JNIEnv* env, const char* className, jobject localRef);

    bool isNull() const { return javaObject.get() == nullptr; }
    JNIEnv* getEnv() const { return env; }
    jobject getObject() const { return javaObject.get(); }

    static const t_string& getDB2CommandClassPath();
    static t_string getDB2CommandClassName(const char* className);
    // FindClass; the caller owns the local reference.
    static jclass getClass(JNIEnv* env, const char* className);
    // Raises the missing-method exception when the class or the method is missing.
    static jmethodID getMethodID(JNIEnv* env, const char* clsName, const char* methodName,
                                 const char* methodSig, bool isStatic);
    // The text as UTF-8 (see fromModifiedUtf8); empty for a null string or when the
    // characters cannot be had.
    static t_string getString(JNIEnv* env, jstring str);
    // getType() of an EnumTypeBase; obj must not be null.
    static int getEnumValue(JNIEnv* env, jobject obj);

    int callintMethod(const char* methodName) const;
    double calldoubleMethod(const char* methodName) const;
    jboolean callboolMethod(const char* methodName) const;
    t_string callStringMethod(const char* methodName) const;
    // The text as it is, U+0000 included: for text that never reaches DB2.
    t_string callTextMethod(const char* methodName) const;
    t_string callStringMethodString(const char* methodName, const char* value) const;
    t_string callStringMethodInt(const char* methodName, int value) const;
    t_string callStringMethodIntDouble(const char* methodName, int value, double number) const;
    void callVoidMethod(const char* methodName) const;
    void callMethodInt(const char* methodName, int value) const;
    void callMethodString(const char* methodName, const char* value) const;

    // The caller owns the returned local reference.
    jobject callObjectMethod(const char* methodName, const char* objectTypeName) const;
    // Object[] methodName(), e.g. Collection.toArray; the caller owns the returned reference.
    jobjectArray callObjectArrayMethod(const char* methodName) const;
    JavaObject getChildObject(const char* methodName, const char* objectTypeName) const;
    JavaObject callEnumMethod(const char* methodName, const char* objectTypeName) const;
    JavaObject callCollectionMethod(const char* methodName) const;
    JavaObject getCollectionIterator() const;

    // Boxed getters: the default when Java returns null.
    int callIntegerMethod(const char* methodName, int defaultValue) const;
    jboolean callBooleanMethod(const char* methodName, jboolean defaultValue) const;
    double callDoubleMethod(const char* methodName, double defaultValue) const;
    // Object methodName(Object key) read as an Integer, e.g. Map.get; 0 when the method is
    // missing (not the default).
    int callIntegerMethodString(const char* methodName, int defaultValue, const char* key) const;

    // getType() (through EnumTypeBase) or getValue() (through className) of the enum a getter
    // returns; the default when the getter returns null.
    int getEnumValue(const char* methodName, const char* className, int defaultValue) const;
    int getEnumIntValue(const char* methodName, const char* className, int defaultValue) const;

    int getFieldInt(const char* field) const;
    t_string getFieldString(const char* field) const;

    // The configuration catalogue's lookups. The caller owns the returned local references.
    jobject callGetAllParametersMethod(const char* objectTypeName, double version,
                                       bool isInstance) const;
    jobject callGetParameterMethod(const char* objectTypeName, double version, bool isInstance,
                                   t_string name) const;
    jobject callGetParameterMethod(const char* objectTypeName, double version, int token) const;
    t_string callGetTranslationValueMethod(double version, int token, const char* value) const;

  protected:
    // The method to call, or null after reporting why there is none (see the top of the file).
    jmethodID findMethod(const char* methodName, const char* signature,
                         bool announceMissing = false) const;
    // The method, or null when the class has none by that name and signature: then nothing is
    // raised (the NoSuchMethodError is cleared) and nothing printed. Null with an exception
    // pending when the wrapper is unusable (see findMethod) or the look-up failed otherwise.
    jmethodID findOptionalMethod(const char* methodName, const char* signature) const;

    // A void method with primitive arguments.
    template <typename... Args>
    void callVoid(const char* methodName, const char* signature, Args... args) const {
        const jmethodID method = findMethod(methodName, signature);
        if (method != nullptr) {
            env->CallVoidMethod(javaObject.get(), method, args...);
            afterCall();
        }
    }

    // Checks for an exception after a Java call, as JNI asks before any further JNI call. An
    // exception stays pending; the next call finds it and does nothing.
    void afterCall() const { static_cast<void>(env->ExceptionCheck()); }

  private:
    JavaObject(JNIEnv* env, SharedLocalRef<jobject> object, const char* className);

    // Neither a pending exception nor a null object or class; raises "javaClass is null".
    bool usable() const;
    jmethodID lookUp(const char* methodName, const char* signature, bool announceMissing) const;
    // The text, or the empty text after raising the U+0000 refusal for the getter.
    t_string withoutNul(const char* methodName, t_string text) const;
    // GetMethodID, through the native call's CallLookups when one is open (bridge/calllookups.h).
    jmethodID methodId(const char* methodName, const char* signature) const;
    // The text of a string a call returned; deletes the reference.
    t_string takeString(jobject result) const;
    // The result of an object call, or null when the call threw.
    jobject checkedResult(jobject result) const;
    template <typename... Args>
    jobject callObject(const char* methodName, const char* signature, Args... args) const;
    template <typename... Args>
    t_string callString(const char* methodName, const char* signature, Args... args) const;
    template <typename... Args>
    t_string callStringWithText(const char* methodName, const char* signature, const char* text,
                                Args... args) const;

    JNIEnv* env;
    SharedLocalRef<jobject> javaObject;
    SharedLocalRef<jclass> javaClass;
};

}  // namespace tarvinex
