#include "commands/directory/directorylisting.h"

#include "bridge/javastrings.h"
#include "bridge/scopedlocalref.h"

namespace {

const char kContainerClass[] = "com/qorvath/db2command/util/DB2APIDataContainer";

// The method id, or null with no exception left behind.
jmethodID quietLookUp(JNIEnv* env, jclass cls, const char* name, const char* signature) {
    const jmethodID method = env->GetMethodID(cls, name, signature);
    if (env->ExceptionCheck()) {
        env->ExceptionClear();
        return nullptr;
    }
    return method;
}

}  // namespace

DirectoryListing::DirectoryListing(const DB2APIDataContainer& container)
    : m_container(container), m_env(container.getEnv()) {
    if (m_env->ExceptionCheck() || container.isNull()) {
        return;
    }
    const tarvinex::ScopedLocalRef<jclass> cls(m_env, m_env->FindClass(kContainerClass));
    if (m_env->ExceptionCheck()) {
        m_env->ExceptionClear();
        return;
    }
    if (cls.get() == nullptr || !m_env->IsInstanceOf(container.getObject(), cls.get())) {
        return;
    }
    m_newRow = quietLookUp(m_env, cls.get(), "newRow", "()V");
    m_setColumnValue = quietLookUp(m_env, cls.get(), "setColumnValue", "(ILjava/lang/String;)V");
}

bool DirectoryListing::addColumns(std::initializer_list<const char*> names) const {
    for (const char* name : names) {
        m_container.addColumn(name);
        if (m_env->ExceptionCheck()) {
            m_env->ExceptionDescribe();
            return false;
        }
    }
    return true;
}

void DirectoryListing::newRow() const {
    if (m_newRow == nullptr) {
        m_container.newRow();
    } else if (!m_env->ExceptionCheck()) {
        m_env->CallVoidMethod(m_container.getObject(), m_newRow);
    }
}

void DirectoryListing::set(int column, const std::string& text) const {
    if (m_setColumnValue == nullptr) {
        m_container.setColumnValue(column, text);
        return;
    }
    if (m_env->ExceptionCheck()) {
        return;
    }
    const tarvinex::ScopedLocalRef<jstring> value(m_env, tarvinex::newJavaString(m_env, text));
    if (value.get() != nullptr) {
        m_env->CallVoidMethod(m_container.getObject(), m_setColumnValue, static_cast<jint>(column),
                              value.get());
    }
}
