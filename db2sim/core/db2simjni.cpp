// JNI natives of com.qorvath.db2sim.Db2Sim. They wrap the C control interface; the Java class
// turns status results into exceptions. No C++ exception leaves a native, and no JNI call is
// made while a Java exception is pending.
#include <jni.h>

#include <algorithm>
#include <string>
#include <vector>

#include "db2sim/core/control.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/javachars.h"

namespace {

using db2sim::JavaChars;

// Length of the UTF-8 sequence a lead byte starts, or 0 when it cannot start one.
size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    return (lead & 0xF8) == 0xF0 ? 4 : 0;
}

// Decodes the sequence of `length` bytes at `i`; false when it is cut short or malformed.
bool decode(const std::string& bytes, size_t i, size_t length, char32_t& point) {
    static const unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    if (length == 0 || i + length > bytes.size()) {
        return false;
    }
    point = static_cast<unsigned char>(bytes[i]) & kLeadBits[length];
    for (size_t k = 1; k < length; ++k) {
        unsigned char next = static_cast<unsigned char>(bytes[i + k]);
        if ((next & 0xC0) != 0x80) {
            return false;
        }
        point = (point << 6) | (next & 0x3F);
    }
    return point <= 0x10FFFF;
}

// UTF-8 bytes (a path may hold any) as UTF-16; a malformed byte becomes U+FFFD.
std::u16string toUtf16(const std::string& bytes) {
    std::u16string out;
    size_t i = 0;
    while (i < bytes.size()) {
        size_t length = sequenceLength(static_cast<unsigned char>(bytes[i]));
        char32_t point = 0;
        if (!decode(bytes, i, length, point)) {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        if (point >= 0x10000) {
            point -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (point >> 10));
            out += static_cast<char16_t>(0xDC00 + (point & 0x3FF));
        } else {
            out += static_cast<char16_t>(point);
        }
        i += length;
    }
    return out;
}

jstring newString(JNIEnv* env, const std::string& bytes) {
    std::u16string text = toUtf16(bytes);
    return env->NewString(reinterpret_cast<const jchar*>(text.data()),
                          static_cast<jsize>(text.size()));
}

jobjectArray newStringArray(JNIEnv* env, const std::vector<std::string>& lines) {
    jclass stringClass = env->FindClass("java/lang/String");
    if (stringClass == nullptr) {
        return nullptr;
    }
    jobjectArray array =
        env->NewObjectArray(static_cast<jsize>(lines.size()), stringClass, nullptr);
    env->DeleteLocalRef(stringClass);
    for (size_t i = 0; array != nullptr && i < lines.size(); ++i) {
        jstring line = newString(env, lines[i]);
        if (line == nullptr) {
            return nullptr;
        }
        env->SetObjectArrayElement(array, static_cast<jsize>(i), line);
        env->DeleteLocalRef(line);
    }
    return array;
}

std::vector<std::string> journalLines(const char* entry) {
    db2sim::Instance& instance = db2sim::Instance::get();
    return entry == nullptr ? instance.journal().lines() : instance.journal().lines(entry);
}

}  // namespace

#define DB2SIM_JNI(result, name) \
    extern "C" JNIEXPORT result JNICALL Java_com_qorvath_db2sim_Db2Sim_##name

DB2SIM_JNI(jint, nativeInject)
(JNIEnv* env, jclass, jstring entry, jint kind, jint sqlcode, jstring tokens, jint times) {
    try {
        JavaChars name(env, entry);
        JavaChars tokenText(env, tokens);
        if (!name.ok() || !tokenText.ok()) {
            return -1;
        }
        return db2sim_inject(name.get(), kind, sqlcode, tokenText.get(), times);
    } catch (...) {
        return -1;
    }
}

DB2SIM_JNI(void, nativeClearFaults)(JNIEnv*, jclass) {
    db2sim_clear_faults();
}

DB2SIM_JNI(jobjectArray, nativeJournal)(JNIEnv* env, jclass, jstring entry) {
    try {
        JavaChars name(env, entry);
        if (!name.ok()) {
            return nullptr;
        }
        return newStringArray(env, journalLines(name.get()));
    } catch (...) {
        return nullptr;
    }
}

DB2SIM_JNI(void, nativeClearJournal)(JNIEnv*, jclass) {
    db2sim_clear_journal();
}

DB2SIM_JNI(jlong, nativeCounter)(JNIEnv* env, jclass, jstring name) {
    try {
        JavaChars counter(env, name);
        if (!counter.ok() || counter.get() == nullptr) {
            return -1;
        }
        return db2sim_counter(counter.get());
    } catch (...) {
        return -1;
    }
}

DB2SIM_JNI(void, nativeReset)(JNIEnv*, jclass) {
    db2sim_reset();
}

DB2SIM_JNI(jint, nativeSetProduct)(JNIEnv* env, jclass, jstring signature) {
    try {
        JavaChars text(env, signature);
        if (!text.ok() || text.get() == nullptr) {
            return -1;
        }
        return db2sim_set_product(text.get());
    } catch (...) {
        return -1;
    }
}

DB2SIM_JNI(jstring, nativeProduct)(JNIEnv* env, jclass) {
    try {
        std::string text(db2sim_product(nullptr, 0) + 1, '\0');
        text.resize(db2sim_product(&text[0], text.size()));
        return newString(env, text);
    } catch (...) {
        return nullptr;
    }
}

DB2SIM_JNI(jstring, nativeHome)(JNIEnv* env, jclass) {
    try {
        std::string text(db2sim_home(nullptr, 0) + 1, '\0');
        text.resize(db2sim_home(&text[0], text.size()));
        return newString(env, text);
    } catch (...) {
        return nullptr;
    }
}

DB2SIM_JNI(jint, nativeAddUser)(JNIEnv* env, jclass, jstring user, jstring password) {
    try {
        JavaChars name(env, user);
        JavaChars secret(env, password);
        if (!name.ok() || !secret.ok()) {
            return -1;
        }
        return db2sim_add_user(name.get(), secret.get());
    } catch (...) {
        return -1;
    }
}

DB2SIM_JNI(void, nativeSetStarted)(JNIEnv*, jclass, jboolean started) {
    db2sim_set_started(started == JNI_TRUE ? 1 : 0);
}

DB2SIM_JNI(jint, nativeFillDatabaseDirectory)(JNIEnv*, jclass, jint n) {
    return db2sim_fill_database_directory(n);
}

DB2SIM_JNI(jint, nativeAddInstance)(JNIEnv* env, jclass, jstring name) {
    try {
        JavaChars text(env, name);
        if (!text.ok() || text.get() == nullptr) {
            return -1;
        }
        return db2sim_add_instance(text.get());
    } catch (...) {
        return -1;
    }
}

DB2SIM_JNI(jstring, nativeTableRows)(JNIEnv* env, jclass, jstring database, jstring table) {
    try {
        JavaChars base(env, database);
        JavaChars name(env, table);
        if (!base.ok() || !name.ok()) {
            return nullptr;
        }
        std::string text(db2sim_table_rows(base.get(), name.get(), nullptr, 0) + 1, '\0');
        size_t copied = db2sim_table_rows(base.get(), name.get(), &text[0], text.size());
        text.resize(std::min(copied, text.size() - 1));
        return newString(env, text);
    } catch (...) {
        return nullptr;
    }
}

DB2SIM_JNI(jlong, nativeTableState)(JNIEnv* env, jclass, jstring database, jstring table) {
    try {
        JavaChars base(env, database);
        JavaChars name(env, table);
        return base.ok() && name.ok() ? db2sim_table_state(base.get(), name.get()) : -1;
    } catch (...) {
        return -1;
    }
}

DB2SIM_JNI(jint, nativeCreateTable)
(JNIEnv* env, jclass, jstring database, jstring table, jstring columns, jstring key) {
    try {
        JavaChars base(env, database);
        JavaChars name(env, table);
        JavaChars list(env, columns);
        JavaChars unique(env, key);
        if (!base.ok() || !name.ok() || !list.ok() || !unique.ok()) {
            return -1;
        }
        return db2sim_create_table(base.get(), name.get(), list.get(), unique.get());
    } catch (...) {
        return -1;
    }
}
