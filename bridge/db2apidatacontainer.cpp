#include "bridge/db2apidatacontainer.h"

#include <string>
#include <string_view>

#include "base/javatext.h"
#include "bridge/javastrings.h"
#include "bridge/scopedlocalref.h"

namespace {

const char kContainerClass[] = "com/qorvath/db2command/util/DB2APIDataContainer";
const char kSetColumnValueSig[] = "(ILjava/lang/String;)V";
const char kAddRecordedRowsSig[] = "([B)V";
const char kNewRowSig[] = "()V";

// A block's text (standard UTF-8) as NewStringUTF takes it: the same characters, NUL as C0 80
// and supplementary characters as surrogate pairs.
void modifiedUtf8(std::string_view text, std::string& out) {
    if (tarvinex::isAscii(text.data(), text.size()) && text.find('\0') == std::string_view::npos) {
        out.assign(text.data(), text.size());
    } else {
        out = tarvinex::toModifiedUtf8(text.data(), text.size());
    }
}

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
    if (!chooseRowPath()) {
        return false;
    }
    return m_rows.path == RowPath::kBlock ? addRowsInBlock(block) : addRowsOneByOne(block);
}

bool DB2APIDataContainer::chooseRowPath() const {
    if (m_rows.path != RowPath::kUndecided) {
        return true;
    }
    m_rows.addRecordedRows = findOptionalMethod("addRecordedRows", kAddRecordedRowsSig);
    if (m_rows.addRecordedRows != nullptr) {
        m_rows.path = RowPath::kBlock;
        return true;
    }
    if (getEnv()->ExceptionCheck() || !lookUpSingleCalls()) {
        return false;
    }
    m_rows.path = RowPath::kOneByOne;
    return true;
}

bool DB2APIDataContainer::lookUpSingleCalls() const {
    if (m_rows.newRow == nullptr) {
        m_rows.newRow = findMethod("newRow", kNewRowSig);
    }
    if (m_rows.newRow != nullptr && m_rows.setColumnValue == nullptr) {
        m_rows.setColumnValue = findMethod("setColumnValue", kSetColumnValueSig);
    }
    return m_rows.setColumnValue != nullptr;
}

bool DB2APIDataContainer::addRowsInBlock(const tarvinex::RowBlock& block) const {
    JNIEnv* env = getEnv();
    const auto length = static_cast<jsize>(block.size());
    const tarvinex::ScopedLocalRef<jbyteArray> array(env, env->NewByteArray(length));
    if (array.get() == nullptr) {
        return false;  // OutOfMemoryError pending
    }
    env->SetByteArrayRegion(array.get(), 0, length, reinterpret_cast<const jbyte*>(block.data()));
    env->CallVoidMethod(getObject(), m_rows.addRecordedRows, array.get());
    return !env->ExceptionCheck();
}

bool DB2APIDataContainer::addRowsOneByOne(const tarvinex::RowBlock& block) const {
    JNIEnv* env = getEnv();
    if (env->ExceptionCheck() || !lookUpSingleCalls()) {
        return false;
    }
    std::string text;  // the cell as modified UTF-8, NUL-terminated for NewStringUTF
    tarvinex::RowBlock::Record record{};
    for (std::size_t at = 0; at < block.size();) {
        at = block.read(at, record);
        if (record.isNewRow) {
            env->CallVoidMethod(getObject(), m_rows.newRow);
        } else {
            modifiedUtf8(record.text, text);
            const tarvinex::ScopedLocalRef<jstring> value(env, env->NewStringUTF(text.c_str()));
            if (value.get() == nullptr) {
                return false;  // OutOfMemoryError pending
            }
            env->CallVoidMethod(getObject(), m_rows.setColumnValue,
                                static_cast<jint>(record.column), value.get());
        }
        if (env->ExceptionCheck()) {
            return false;  // as addRecordedRows: the first call that throws ends the block
        }
    }
    return true;
}
