#include "bridge/javaobject.h"

#include <cstdio>

#include "bridge/calllookups.h"
#include "bridge/javastrings.h"
#include "bridge/scopedlocalref.h"
#include "bridge/scopedutfchars.h"
#include "base/diagnostics.h"
#include "base/javaexception.h"

namespace tarvinex {
namespace {

const char kEnumBaseClass[] = "com/qorvath/db2command/util/EnumTypeBase";
const char kIntegerClass[] = "java/lang/Integer";
const char kBooleanClass[] = "java/lang/Boolean";
const char kDoubleClass[] = "java/lang/Double";
const char kCollectionClass[] = "java/util/Collection";
const char kIteratorClass[] = "java/util/Iterator";

const char kIntSig[] = "()I";
const char kDoubleSig[] = "()D";
const char kBoolSig[] = "()Z";
const char kStringSig[] = "()Ljava/lang/String;";
const char kStringStringSig[] = "(Ljava/lang/String;)Ljava/lang/String;";
const char kIntStringSig[] = "(I)Ljava/lang/String;";
const char kIntDoubleStringSig[] = "(ID)Ljava/lang/String;";
const char kVoidSig[] = "()V";
const char kSetIntSig[] = "(I)V";
const char kSetStringSig[] = "(Ljava/lang/String;)V";
const char kObjectByObjectSig[] = "(Ljava/lang/Object;)Ljava/lang/Object;";
const char kTranslationSig[] = "(DILjava/lang/String;)Ljava/lang/String;";
const char kIntegerGetterSig[] = "()Ljava/lang/Integer;";
const char kBooleanGetterSig[] = "()Ljava/lang/Boolean;";
const char kDoubleGetterSig[] = "()Ljava/lang/Double;";
const char kObjectArrayGetterSig[] = "()[Ljava/lang/Object;";

const char kClassIsNull[] = "javaClass is null";
const char kHoldsNul[] = "() returned a text holding U+0000, which DB2 would read as a shorter one";
const char kMissingMethod[] = "GetMethodId() return null, methodName is ";

// "(args)L<class>;"
t_string objectSignature(const char* arguments, const char* className) {
    return t_string(arguments) + "L" + (className != nullptr ? className : "") + ";";
}

void reportMissingMethod(JNIEnv* env, const char* methodName, bool announce) {
    const char* name = methodName != nullptr ? methodName : "";
    if (announce && DiagnosticsEnabled()) {
        std::printf("unknown method:%s \n", name);
        std::fflush(stdout);
    }
    ThrowJavaException(env, (t_string(kMissingMethod) + name).c_str());
}

// Clears the pending exception when it is a NoSuchMethodError; any other stays pending.
void clearMissingMethod(JNIEnv* env) {
    const ScopedLocalRef<jthrowable> thrown(env, env->ExceptionOccurred());
    if (thrown.get() == nullptr) {
        return;
    }
    env->ExceptionClear();
    const ScopedLocalRef<jclass> missing(env, env->FindClass("java/lang/NoSuchMethodError"));
    if (missing.get() == nullptr) {
        return;  // the class cannot be found: that failure is pending instead
    }
    if (!env->IsInstanceOf(thrown.get(), missing.get())) {
        env->Throw(thrown.get());
    }
}

// The class to view an object through. Nothing is looked up for a null object or while an
// exception is pending. A class that is not found, or that the object is no instance of (calling
// its methods on the object would break the JVM), is dropped quietly; the first call on the
// wrapper reports it.
SharedLocalRef<jclass> findClassFor(JNIEnv* env, const char* className, jobject obj) {
    if (env == nullptr || obj == nullptr || className == nullptr || env->ExceptionCheck()) {
        return SharedLocalRef<jclass>();
    }
    if (CallLookups* lookups = CallLookups::current(env)) {
        const jclass known = lookups->findClass(className);
        if (known == nullptr) {
            env->ExceptionClear();
            return SharedLocalRef<jclass>();
        }
        return env->IsInstanceOf(obj, known) ? SharedLocalRef<jclass>::borrowed(known)
                                             : SharedLocalRef<jclass>();
    }
    ScopedLocalRef<jclass> cls(env, env->FindClass(className));
    if (cls.get() == nullptr) {
        env->ExceptionClear();
        return SharedLocalRef<jclass>();
    }
    if (!env->IsInstanceOf(obj, cls.get())) {
        return SharedLocalRef<jclass>();
    }
    return SharedLocalRef<jclass>::owned(env, cls.release());
}

}  // namespace

JavaObject::JavaObject(JNIEnv* env, const char* className, jobject obj)
    : JavaObject(env, SharedLocalRef<jobject>::borrowed(obj), className) {}

JavaObject::JavaObject(const JavaObject& src, const char* className)
    : JavaObject(src.env, src.javaObject, className) {}

JavaObject::JavaObject(JNIEnv* env, SharedLocalRef<jobject> object, const char* className)
    : env(env),
      javaObject(std::move(object)),
      javaClass(findClassFor(env, className, javaObject.get())) {}

JavaObject JavaObject::adopt(JNIEnv* env, const char* className, jobject localRef) {
    return JavaObject(env, SharedLocalRef<jobject>::owned(env, localRef), className);
}

const t_string& JavaObject::getDB2CommandClassPath() {
    static const t_string path("com/qorvath/db2command/");
    return path;
}

t_string JavaObject::getDB2CommandClassName(const char* className) {
    return getDB2CommandClassPath() + (className != nullptr ? className : "");
}

jclass JavaObject::getClass(JNIEnv* env, const char* className) {
    return env->FindClass(className);
}

jmethodID JavaObject::getMethodID(JNIEnv* env, const char* clsName, const char* methodName,
                                  const char* methodSig, bool isStatic) {
    if (env == nullptr || env->ExceptionCheck()) {
        return nullptr;
    }
    ScopedLocalRef<jclass> cls(env, clsName != nullptr ? env->FindClass(clsName) : nullptr);
    jmethodID method = nullptr;
    if (cls.get() != nullptr && methodName != nullptr && methodSig != nullptr) {
        method = isStatic ? env->GetStaticMethodID(cls.get(), methodName, methodSig)
                          : env->GetMethodID(cls.get(), methodName, methodSig);
    }
    if (method == nullptr) {
        reportMissingMethod(env, methodName, false);
    }
    return method;
}

t_string JavaObject::getString(JNIEnv* env, jstring str) {
    if (env == nullptr || str == nullptr) {
        return t_string();
    }
    const ScopedUtfChars chars(env, str);
    return fromModifiedUtf8(chars.c_str());
}

int JavaObject::getEnumValue(JNIEnv* env, jobject obj) {
    return JavaObject(env, kEnumBaseClass, obj).callintMethod("getType");
}

// ---------------------------------------------------------------------------------------------
// Looking methods up

bool JavaObject::usable() const {
    if (env == nullptr || env->ExceptionCheck()) {
        return false;
    }
    if (javaClass.get() == nullptr || javaObject.get() == nullptr) {
        ThrowJavaException(env, kClassIsNull);
        return false;
    }
    return true;
}

jmethodID JavaObject::lookUp(const char* methodName, const char* signature,
                             bool announceMissing) const {
    jmethodID method = nullptr;
    if (methodName != nullptr && signature != nullptr) {
        method = methodId(methodName, signature);
    }
    if (method == nullptr) {
        reportMissingMethod(env, methodName, announceMissing);
    }
    return method;
}

jmethodID JavaObject::findMethod(const char* methodName, const char* signature,
                                 bool announceMissing) const {
    return usable() ? lookUp(methodName, signature, announceMissing) : nullptr;
}

jmethodID JavaObject::findOptionalMethod(const char* methodName, const char* signature) const {
    if (!usable() || methodName == nullptr || signature == nullptr) {
        return nullptr;
    }
    const jmethodID method = methodId(methodName, signature);
    if (method == nullptr) {
        clearMissingMethod(env);
    }
    return method;
}

jmethodID JavaObject::methodId(const char* methodName, const char* signature) const {
    if (CallLookups* lookups = CallLookups::current(env)) {
        bool known = false;
        const jmethodID method = lookups->methodId(javaClass.get(), methodName, signature, known);
        if (known) {
            return method;
        }
    }
    return env->GetMethodID(javaClass.get(), methodName, signature);
}

// ---------------------------------------------------------------------------------------------
// Calls with object and string results

jobject JavaObject::checkedResult(jobject result) const {
    if (env->ExceptionCheck()) {
        ScopedLocalRef<jobject> dropped(env, result);
        return nullptr;
    }
    return result;
}

t_string JavaObject::takeString(jobject result) const {
    const ScopedLocalRef<jobject> text(env, checkedResult(result));
    return getString(env, static_cast<jstring>(text.get()));
}

template <typename... Args>
jobject JavaObject::callObject(const char* methodName, const char* signature, Args... args) const {
    const jmethodID method = findMethod(methodName, signature);
    if (method == nullptr) {
        return nullptr;
    }
    return checkedResult(env->CallObjectMethod(javaObject.get(), method, args...));
}

template <typename... Args>
t_string JavaObject::callString(const char* methodName, const char* signature, Args... args) const {
    return takeString(callObject(methodName, signature, args...));
}

template <typename... Args>
t_string JavaObject::callStringWithText(const char* methodName, const char* signature,
                                        const char* text, Args... args) const {
    const jmethodID method = findMethod(methodName, signature);
    if (method == nullptr) {
        return t_string();
    }
    const ScopedLocalRef<jstring> argument(env, newJavaString(env, text));
    if (argument.get() == nullptr) {
        return t_string();
    }
    return takeString(env->CallObjectMethod(javaObject.get(), method, args..., argument.get()));
}

// ---------------------------------------------------------------------------------------------
// Typed calls

int JavaObject::callintMethod(const char* methodName) const {
    const jmethodID method = findMethod(methodName, kIntSig, true);
    if (method == nullptr) {
        return 0;
    }
    const jint value = env->CallIntMethod(javaObject.get(), method);
    afterCall();
    return value;
}

double JavaObject::calldoubleMethod(const char* methodName) const {
    const jmethodID method = findMethod(methodName, kDoubleSig, true);
    if (method == nullptr) {
        return 0.0;
    }
    const jdouble value = env->CallDoubleMethod(javaObject.get(), method);
    afterCall();
    return value;
}

jboolean JavaObject::callboolMethod(const char* methodName) const {
    const jmethodID method = findMethod(methodName, kBoolSig);
    if (method == nullptr) {
        return JNI_FALSE;
    }
    const jboolean value = env->CallBooleanMethod(javaObject.get(), method);
    afterCall();
    return value;
}

t_string JavaObject::withoutNul(const char* methodName, t_string text) const {
    if (text.find('\0') == t_string::npos) {
        return text;
    }
    ThrowJavaException(env,
                       (t_string(methodName != nullptr ? methodName : "") + kHoldsNul).c_str());
    return t_string();
}

t_string JavaObject::callStringMethod(const char* methodName) const {
    return withoutNul(methodName, callString(methodName, kStringSig));
}

t_string JavaObject::callTextMethod(const char* methodName) const {
    return callString(methodName, kStringSig);
}

t_string JavaObject::callStringMethodString(const char* methodName, const char* value) const {
    return withoutNul(methodName, callStringWithText(methodName, kStringStringSig, value));
}

t_string JavaObject::callStringMethodInt(const char* methodName, int value) const {
    return callString(methodName, kIntStringSig, static_cast<jint>(value));
}

t_string JavaObject::callStringMethodIntDouble(const char* methodName, int value,
                                               double number) const {
    return callString(methodName, kIntDoubleStringSig, static_cast<jint>(value),
                      static_cast<jdouble>(number));
}

void JavaObject::callVoidMethod(const char* methodName) const {
    callVoid(methodName, kVoidSig);
}

void JavaObject::callMethodInt(const char* methodName, int value) const {
    callVoid(methodName, kSetIntSig, static_cast<jint>(value));
}

void JavaObject::callMethodString(const char* methodName, const char* value) const {
    const jmethodID method = findMethod(methodName, kSetStringSig);
    if (method == nullptr) {
        return;
    }
    const ScopedLocalRef<jstring> argument(env, newJavaString(env, value));
    if (argument.get() != nullptr) {
        env->CallVoidMethod(javaObject.get(), method, argument.get());
        afterCall();
    }
}

jobject JavaObject::callObjectMethod(const char* methodName, const char* objectTypeName) const {
    return callObject(methodName, objectSignature("()", objectTypeName).c_str());
}

jobjectArray JavaObject::callObjectArrayMethod(const char* methodName) const {
    return static_cast<jobjectArray>(callObject(methodName, kObjectArrayGetterSig));
}

JavaObject JavaObject::getChildObject(const char* methodName, const char* objectTypeName) const {
    return adopt(env, objectTypeName, callObjectMethod(methodName, objectTypeName));
}

JavaObject JavaObject::callEnumMethod(const char* methodName, const char* objectTypeName) const {
    return getChildObject(methodName, objectTypeName);
}

JavaObject JavaObject::callCollectionMethod(const char* methodName) const {
    return getChildObject(methodName, kCollectionClass);
}

JavaObject JavaObject::getCollectionIterator() const {
    return getChildObject("iterator", kIteratorClass);
}

// The boxed getters hold the box in a scoped reference and view it as borrowed: no wrapper of
// their own to share, and the getter's signature is a constant (configuration catalogues call
// them for every parameter).
int JavaObject::callIntegerMethod(const char* methodName, int defaultValue) const {
    const ScopedLocalRef<jobject> boxed(env, callObject(methodName, kIntegerGetterSig));
    return boxed.get() == nullptr
               ? defaultValue
               : JavaObject(env, kIntegerClass, boxed.get()).callintMethod("intValue");
}

jboolean JavaObject::callBooleanMethod(const char* methodName, jboolean defaultValue) const {
    const ScopedLocalRef<jobject> boxed(env, callObject(methodName, kBooleanGetterSig));
    return boxed.get() == nullptr
               ? defaultValue
               : JavaObject(env, kBooleanClass, boxed.get()).callboolMethod("booleanValue");
}

double JavaObject::callDoubleMethod(const char* methodName, double defaultValue) const {
    const ScopedLocalRef<jobject> boxed(env, callObject(methodName, kDoubleGetterSig));
    return boxed.get() == nullptr
               ? defaultValue
               : JavaObject(env, kDoubleClass, boxed.get()).calldoubleMethod("doubleValue");
}

int JavaObject::callIntegerMethodString(const char* methodName, int defaultValue,
                                        const char* key) const {
    if (!usable()) {
        return defaultValue;
    }
    const jmethodID method = lookUp(methodName, kObjectByObjectSig, false);
    if (method == nullptr) {
        return 0;
    }
    const ScopedLocalRef<jstring> argument(env, newJavaString(env, key));
    if (argument.get() == nullptr) {
        return defaultValue;
    }
    const JavaObject boxed =
        adopt(env, kIntegerClass,
              checkedResult(env->CallObjectMethod(javaObject.get(), method, argument.get())));
    return boxed.isNull() ? defaultValue : boxed.callintMethod("intValue");
}

int JavaObject::getEnumValue(const char* methodName, const char* className,
                             int defaultValue) const {
    const JavaObject value = getChildObject(methodName, className);
    return value.isNull() ? defaultValue : getEnumValue(env, value.getObject());
}

int JavaObject::getEnumIntValue(const char* methodName, const char* className,
                                int defaultValue) const {
    const JavaObject value = getChildObject(methodName, className);
    return value.isNull() ? defaultValue : value.callintMethod("getValue");
}

int JavaObject::getFieldInt(const char* field) const {
    return callintMethod(("get" + t_string(field != nullptr ? field : "")).c_str());
}

t_string JavaObject::getFieldString(const char* field) const {
    return callStringMethod(("get" + t_string(field != nullptr ? field : "")).c_str());
}

jobject JavaObject::callGetAllParametersMethod(const char* objectTypeName, double version,
                                               bool isInstance) const {
    return callObject("getAllParameters", objectSignature("(DZ)", objectTypeName).c_str(),
                      static_cast<jdouble>(version), static_cast<jboolean>(isInstance));
}

jobject JavaObject::callGetParameterMethod(const char* objectTypeName, double version,
                                           bool isInstance, t_string name) const {
    const t_string signature = objectSignature("(DZLjava/lang/String;)", objectTypeName);
    const jmethodID method = findMethod("getParameter", signature.c_str());
    if (method == nullptr) {
        return nullptr;
    }
    const ScopedLocalRef<jstring> argument(env, newJavaString(env, name));
    if (argument.get() == nullptr) {
        return nullptr;
    }
    return checkedResult(env->CallObjectMethod(javaObject.get(), method,
                                               static_cast<jdouble>(version),
                                               static_cast<jboolean>(isInstance), argument.get()));
}

jobject JavaObject::callGetParameterMethod(const char* objectTypeName, double version,
                                           int token) const {
    return callObject("getParameter", objectSignature("(DI)", objectTypeName).c_str(),
                      static_cast<jdouble>(version), static_cast<jint>(token));
}

t_string JavaObject::callGetTranslationValueMethod(double version, int token,
                                                   const char* value) const {
    return callStringWithText("getParameterTranslationValue", kTranslationSig, value,
                              static_cast<jdouble>(version), static_cast<jint>(token));
}

}  // namespace tarvinex
