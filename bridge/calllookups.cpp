#include "bridge/calllookups.h"

#include <string_view>

namespace tarvinex {
namespace {

thread_local CallLookups* t_innermost = nullptr;

}  // namespace

CallLookups::CallLookups(JNIEnv* env) : m_env(env), m_enclosing(t_innermost) {
    t_innermost = this;
}

CallLookups::~CallLookups() {
    for (const Class& entry : m_classes) {
        m_env->DeleteLocalRef(entry.ref);  // allowed with an exception pending
    }
    t_innermost = m_enclosing;
}

CallLookups* CallLookups::current(JNIEnv* env) {
    return t_innermost != nullptr && t_innermost->m_env == env ? t_innermost : nullptr;
}

jclass CallLookups::findClass(const char* name) {
    const std::string_view wanted(name);
    for (const Class& entry : m_classes) {
        if (entry.name == wanted) {
            return entry.ref;
        }
    }
    const jclass found = m_env->FindClass(name);
    if (found != nullptr) {
        m_classes.push_back(Class{name, found});
    }
    return found;
}

jmethodID CallLookups::methodId(jclass cls, const char* name, const char* signature, bool& known) {
    known = owns(cls);
    if (!known) {
        return nullptr;
    }
    if (const Method* entry = find(cls, name, signature)) {
        return entry->id;
    }
    const jmethodID id = m_env->GetMethodID(cls, name, signature);
    if (id != nullptr) {
        m_methods.push_back(Method{cls, name, signature, name, signature, id});
    }
    return id;
}

const CallLookups::Method* CallLookups::find(jclass cls, const char* name,
                                             const char* signature) const {
    const std::string_view wantedName(name);
    const std::string_view wantedSignature(signature);
    // The same pointers first (the text is still compared: a buffer may have been reused).
    for (const Method& entry : m_methods) {
        if (entry.cls == cls && entry.namePointer == name && entry.signaturePointer == signature &&
            entry.name == wantedName && entry.signature == wantedSignature) {
            return &entry;
        }
    }
    for (const Method& entry : m_methods) {
        if (entry.cls == cls && entry.name == wantedName && entry.signature == wantedSignature) {
            return &entry;
        }
    }
    return nullptr;
}

bool CallLookups::owns(jclass cls) const {
    for (const Class& entry : m_classes) {
        if (entry.ref == cls) {
            return true;
        }
    }
    return false;
}

}  // namespace tarvinex
