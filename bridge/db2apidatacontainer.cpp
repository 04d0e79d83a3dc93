#include "bridge/db2apidatacontainer.h"

#include "bridge/javastrings.h"
#include "bridge/scopedlocalref.h"

namespace {

const char kContainerClass[] = "com/qorvath/db2command/util/DB2APIDataContainer";
const char kSetColumnValueSig[] = "(ILjava/lang/String;)V";
const char kAddRecordedRowsSig[] = "([B)V";

}  // namespace

DB2APIDataContainer::DB2APIDataContainer(JNIEnv* env, jobject obj)
    : JavaObject(env, kContainerClass, obj) {}

DB2APIDataContainer::DB2APIDataContainer(const tarvinex::JavaObject& src)
    : JavaObject(src, kContainerClass) {}

void DB2APIDataContainer::addColumn(const char* name) const {
    callMethodString("addColumn", name);
}

void DB2APIDataContainer::newRow() const {
    callVoidMethod("newRow");
}

void DB2APIDataContainer::setColumnValue(int column, const char* value) const {
    setColumnValue(column, t_string(value != nullptr ? value : ""));
}

void DB2APIDataContainer::setColumnValue(int column, const t_string& value) const {
    const jmethodID method = findMethod("setColumnValue", kSetColumnValueSig);
    if (method == nullptr) {
        return;
    }
    JNIEnv* env = getEnv();
    const tarvinex::ScopedLocalRef<jstring> text(env, tarvinex::newJavaString(env, value));
    if (text.get() != nullptr) {
        env->CallVoidMethod(getObject(), method, static_cast<jint>(column), text.get());
        afterCall();
    }
}

bool DB2APIDataContainer::addRows(const tarvinex::RowBlock& block) const {
    if (block.empty()) {
        return !getEnv()->ExceptionCheck();
    }
    const jmethodID method = findMethod("addRecordedRows", kAddRecordedRowsSig);
    if (method == nullptr) {
        return false;
    }
    JNIEnv* env = getEnv();
    const auto length = static_cast<jsize>(block.size());
    const tarvinex::ScopedLocalRef<jbyteArray> array(env, env->NewByteArray(length));
    if (array.get() == nullptr) {
        return false;  // OutOfMemoryError pending
    }
    env->SetByteArrayRegion(array.get(), 0, length, reinterpret_cast<const jbyte*>(block.data()));
    env->CallVoidMethod(getObject(), method, array.get());
    return !env->ExceptionCheck();
}
