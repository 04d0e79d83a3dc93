// Test-only natives for com.qorvath.db2command.tests.BridgeProbe: each wraps the given object and
// runs bridge operations on it, so JUnit can pin what the bridge calls, returns and raises.
#include <jni.h>

#include <string>
#include <vector>

#include "bridge/db2apidatacontainer.h"
#include "bridge/db2commandruntimecontext.h"
#include "bridge/javaobject.h"
#include "bridge/javastrings.h"
#include "bridge/rowblock.h"
#include "bridge/scopedlocalref.h"
#include "bridge/scopedutfchars.h"
#include "commands/partitionlist.h"
#include "commands/stringarray.h"
#include "commands/utilityversion.h"

using tarvinex::DB2CommandRuntimeContext;
using tarvinex::JavaObject;
using tarvinex::ScopedLocalRef;
using tarvinex::ScopedUtfChars;

namespace {

const char kProbeClass[] = "com/qorvath/db2command/tests/BridgeProbe";

// Takes a pending exception off and hands it to BridgeProbe.keepFailure.
void keepFailure(JNIEnv* env) {
    ScopedLocalRef<jthrowable> thrown(env, env->ExceptionOccurred());
    if (thrown.get() == nullptr) {
        return;
    }
    env->ExceptionClear();
    ScopedLocalRef<jclass> probe(env, env->FindClass(kProbeClass));
    const jmethodID keep =
        env->GetStaticMethodID(probe.get(), "keepFailure", "(Ljava/lang/Throwable;)V");
    env->CallStaticVoidMethod(probe.get(), keep, thrown.get());
    static_cast<void>(env->ExceptionCheck());
}

// Runs one probe step, then takes off what it left pending; no C++ exception may leave a native
// method. Results are turned into Java values only afterwards, with nothing pending.
template <typename Step>
auto probe(JNIEnv* env, Step step) {
    decltype(step()) result{};
    try {
        result = step();
    } catch (...) {
        if (!env->ExceptionCheck()) {
            ScopedLocalRef<jclass> error(env, env->FindClass("java/lang/Error"));
            env->ThrowNew(error.get(), "C++ exception in the bridge probe");
        }
    }
    keepFailure(env);
    return result;
}

std::string text(JNIEnv* env, jstring str) {
    const ScopedUtfChars chars(env, str);
    return chars.c_str() != nullptr ? chars.c_str() : "";
}

// Raw bytes of a Java byte array; `isNull` tells a null array apart.
std::string bytes(JNIEnv* env, jbyteArray array, bool* isNull = nullptr) {
    if (isNull != nullptr) {
        *isNull = array == nullptr;
    }
    if (array == nullptr) {
        return std::string();
    }
    std::string out(static_cast<std::size_t>(env->GetArrayLength(array)), '\0');
    env->GetByteArrayRegion(array, 0, static_cast<jsize>(out.size()),
                            reinterpret_cast<jbyte*>(&out[0]));
    return out;
}

// The text argument as the bridge would get it from a command: null for a null array.
struct TextArg {
    TextArg(JNIEnv* env, jbyteArray array) : value(bytes(env, array, &isNull)) {}
    const char* get() const { return isNull ? nullptr : value.c_str(); }
    bool isNull = false;
    std::string value;
};

JavaObject wrap(JNIEnv* env, jstring cls, jobject target) {
    return JavaObject(env, text(env, cls).c_str(), target);
}

jstring toJava(JNIEnv* env, const std::string& value) {
    return tarvinex::newJavaString(env, value);
}

template <typename Step>
jstring probeText(JNIEnv* env, Step step) {
    return toJava(env, probe(env, step));
}

jobjectArray stringArray(JNIEnv* env, const std::vector<std::string>& values) {
    ScopedLocalRef<jclass> stringClass(env, env->FindClass("java/lang/String"));
    jobjectArray array =
        env->NewObjectArray(static_cast<jsize>(values.size()), stringClass.get(), nullptr);
    for (std::size_t i = 0; array != nullptr && i < values.size(); ++i) {
        ScopedLocalRef<jstring> item(env, toJava(env, values[i]));
        env->SetObjectArrayElement(array, static_cast<jsize>(i), item.get());
    }
    return array;
}

template <typename T, typename Array>
Array primitiveArray(JNIEnv* env, const std::vector<T>& values, Array (JNIEnv::*make)(jsize),
                     void (JNIEnv::*fill)(Array, jsize, jsize, const T*)) {
    const jsize size = static_cast<jsize>(values.size());
    Array array = (env->*make)(size);
    if (array != nullptr) {
        (env->*fill)(array, 0, size, values.data());
    }
    return array;
}

}  // namespace

extern "C" {

JNIEXPORT jint JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_callInt(JNIEnv* env, jclass,
                                                                             jobject target,
                                                                             jstring cls,
                                                                             jstring method) {
    return probe(env,
                 [&] { return wrap(env, cls, target).callintMethod(text(env, method).c_str()); });
}

JNIEXPORT jdouble JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_callDouble(
    JNIEnv* env, jclass, jobject target, jstring cls, jstring method) {
    return probe(
        env, [&] { return wrap(env, cls, target).calldoubleMethod(text(env, method).c_str()); });
}

JNIEXPORT jboolean JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_callBool(
    JNIEnv* env, jclass, jobject target, jstring cls, jstring method) {
    return probe(env,
                 [&] { return wrap(env, cls, target).callboolMethod(text(env, method).c_str()); });
}

JNIEXPORT jstring JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_callString(
    JNIEnv* env, jclass, jobject target, jstring cls, jstring method) {
    return probeText(
        env, [&] { return wrap(env, cls, target).callStringMethod(text(env, method).c_str()); });
}

JNIEXPORT jstring JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_callStringWithText(
    JNIEnv* env, jclass, jobject target, jstring cls, jstring method, jbyteArray value) {
    return probeText(env, [&] {
        const TextArg arg(env, value);
        return wrap(env, cls, target).callStringMethodString(text(env, method).c_str(), arg.get());
    });
}

JNIEXPORT jstring JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_callStringWithInt(
    JNIEnv* env, jclass, jobject target, jstring cls, jstring method, jint value) {
    return probeText(env, [&] {
        return wrap(env, cls, target).callStringMethodInt(text(env, method).c_str(), value);
    });
}

JNIEXPORT jstring JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_callStringWithIntDouble(
    JNIEnv* env, jclass, jobject target, jstring cls, jstring method, jint value, jdouble number) {
    return probeText(env, [&] {
        return wrap(env, cls, target)
            .callStringMethodIntDouble(text(env, method).c_str(), value, number);
    });
}

JNIEXPORT void JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_callVoid(JNIEnv* env, jclass,
                                                                              jobject target,
                                                                              jstring cls,
                                                                              jstring method) {
    probe(env, [&] {
        wrap(env, cls, target).callVoidMethod(text(env, method).c_str());
        return 0;
    });
}

JNIEXPORT void JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_callWithInt(
    JNIEnv* env, jclass, jobject target, jstring cls, jstring method, jint value) {
    probe(env, [&] {
        wrap(env, cls, target).callMethodInt(text(env, method).c_str(), value);
        return 0;
    });
}

JNIEXPORT void JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_callWithText(
    JNIEnv* env, jclass, jobject target, jstring cls, jstring method, jbyteArray value) {
    probe(env, [&] {
        const TextArg arg(env, value);
        wrap(env, cls, target).callMethodString(text(env, method).c_str(), arg.get());
        return 0;
    });
}

JNIEXPORT jint JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_callInteger(
    JNIEnv* env, jclass, jobject target, jstring cls, jstring method, jint defaultValue) {
    return probe(env, [&] {
        return wrap(env, cls, target).callIntegerMethod(text(env, method).c_str(), defaultValue);
    });
}

JNIEXPORT jboolean JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_callBoolean(
    JNIEnv* env, jclass, jobject target, jstring cls, jstring method, jboolean defaultValue) {
    return probe(env, [&] {
        return wrap(env, cls, target).callBooleanMethod(text(env, method).c_str(), defaultValue);
    });
}

JNIEXPORT jdouble JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_callDoubleBoxed(
    JNIEnv* env, jclass, jobject target, jstring cls, jstring method, jdouble defaultValue) {
    return probe(env, [&] {
        return wrap(env, cls, target).callDoubleMethod(text(env, method).c_str(), defaultValue);
    });
}

JNIEXPORT jint JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_callIntegerWithKey(
    JNIEnv* env, jclass, jobject target, jstring cls, jstring method, jint defaultValue,
    jbyteArray key) {
    return probe(env, [&] {
        const TextArg arg(env, key);
        return wrap(env, cls, target)
            .callIntegerMethodString(text(env, method).c_str(), defaultValue, arg.get());
    });
}

JNIEXPORT jint JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_enumType(
    JNIEnv* env, jclass, jobject target, jstring cls, jstring method, jstring enumCls,
    jint defaultValue) {
    return probe(env, [&] {
        return wrap(env, cls, target)
            .getEnumValue(text(env, method).c_str(), text(env, enumCls).c_str(), defaultValue);
    });
}

JNIEXPORT jint JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_enumValue(
    JNIEnv* env, jclass, jobject target, jstring cls, jstring method, jstring enumCls,
    jint defaultValue) {
    return probe(env, [&] {
        return wrap(env, cls, target)
            .getEnumIntValue(text(env, method).c_str(), text(env, enumCls).c_str(), defaultValue);
    });
}

JNIEXPORT jobjectArray JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_walkCollection(
    JNIEnv* env, jclass, jobject target, jstring cls, jstring method) {
    return stringArray(
        env, probe(env, [&] {
            const JavaObject collection =
                wrap(env, cls, target).callCollectionMethod(text(env, method).c_str());
            const JavaObject it = collection.getCollectionIterator();
            std::vector<std::string> seen;
            while (it.callboolMethod("hasNext")) {
                const JavaObject item = it.getChildObject("next", "java/lang/Object");
                seen.push_back(JavaObject(item, "java/lang/String").callStringMethod("toString"));
            }
            seen.push_back(std::to_string(collection.callintMethod("size")));
            return seen;
        }));
}

JNIEXPORT jobjectArray JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_catalogueLookups(
    JNIEnv* env, jclass, jobject target, jstring cls) {
    return stringArray(
        env, probe(env, [&] {
            const JavaObject subject = wrap(env, cls, target);
            const char* type = "java/lang/String";
            auto read = [env](jobject result) {
                const ScopedLocalRef<jobject> owned(env, result);
                return JavaObject::getString(env, static_cast<jstring>(owned.get()));
            };
            std::vector<std::string> results;
            results.push_back(read(subject.callGetAllParametersMethod(type, 9.7, true)));
            results.push_back(read(subject.callGetParameterMethod(type, 8.2, false, "LOGPATH")));
            results.push_back(read(subject.callGetParameterMethod(type, 9.1, 17)));
            results.push_back(subject.callGetTranslationValueMethod(8.0, 3, "ON"));
            return results;
        }));
}

JNIEXPORT jdoubleArray JNICALL
Java_com_qorvath_db2command_tests_BridgeProbe_versions(JNIEnv* env, jclass, jobject context) {
    const std::vector<jdouble> values = probe(env, [&] {
        const DB2CommandRuntimeContext ctx(env, context);
        return std::vector<jdouble>{ctx.getClientVersion(),
                                    ctx.getInstanceVersion(),
                                    ctx.getDatabaseVersion(),
                                    ctx.getClientVersionWithRevision(),
                                    ctx.getInstanceVersionWithRevision(),
                                    ctx.getDatabaseVersionWithRevision()};
    });
    return primitiveArray(env, values, &JNIEnv::NewDoubleArray, &JNIEnv::SetDoubleArrayRegion);
}

JNIEXPORT jintArray JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_storeHandles(
    JNIEnv* env, jclass, jobject context, jint instance, jint database, jint envHandle, jint dbc) {
    const std::vector<jint> values = probe(env, [&] {
        const DB2CommandRuntimeContext ctx(env, context);
        ctx.setInstanceConnectionContext(instance);
        ctx.setDatabaseConnectionContext(database, envHandle, dbc);
        return std::vector<jint>{
            ctx.getInstanceConnectionContext(), ctx.getDatabaseConnectionContext(),
            ctx.getDatabaseConnectionEnvHandler(), ctx.getDatabaseConnectionDbcHandler()};
    });
    return primitiveArray(env, values, &JNIEnv::NewIntArray, &JNIEnv::SetIntArrayRegion);
}

JNIEXPORT jobjectArray JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_exerciseContext(
    JNIEnv* env, jclass, jobject context) {
    return stringArray(
        env, probe(env, [&] {
            const DB2CommandRuntimeContext ctx(env, context);
            ctx.setAttachNodeId(3);
            ctx.setConnectNodeId(4);
            ctx.setInstanceServerVersion("SQL09074");
            ctx.setDatabaseServerVersion("SQL08020");
            ctx.setWarningMessage("SQL1234W  careful");
            ctx.setServerRegionCode(81);
            ctx.setServerCodePage(1208);
            ctx.setAuthorizationId("ADMIN");
            ctx.setNodeName("NODE1");
            ctx.setServerIdentity("DB2/LINUX");
            ctx.setServerPlatform("LINUX");
            ctx.setServerAgentId(77);
            ctx.setServerAgentIndex(5);
            ctx.setNodeNumber(6);
            ctx.setNumberOfDbPartitions(2);
            ctx.autoAttach();
            ctx.autoConnect();
            return std::vector<std::string>{
                ctx.getDatabaseConnectionUserId(),     ctx.getDatabaseConnectionPassword(),
                ctx.getNodeNameForAlias("SAMPLE"),     ctx.getRemoteInstanceName(),
                ctx.getRemoteDatabaseName(),           ctx.getDatabaseAlias(),
                std::to_string(ctx.getAttachNodeId()), std::to_string(ctx.getConnectNodeId())};
        }));
}

JNIEXPORT void JNICALL
Java_com_qorvath_db2command_tests_BridgeProbe_endConnections(JNIEnv* env, jclass, jobject context) {
    probe(env, [&] {
        const DB2CommandRuntimeContext ctx(env, context);
        ctx.detach();
        ctx.disconnect();
        return 0;
    });
}

JNIEXPORT void JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_addColumns(
    JNIEnv* env, jclass, jobject container, jobjectArray names) {
    probe(env, [&] {
        const DB2APIDataContainer table(env, container);
        const jsize count = env->GetArrayLength(names);
        for (jsize i = 0; i < count && !env->ExceptionCheck(); ++i) {
            ScopedLocalRef<jstring> name(
                env, static_cast<jstring>(env->GetObjectArrayElement(names, i)));
            table.addColumn(text(env, name.get()).c_str());
        }
        return 0;
    });
}

JNIEXPORT void JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_addRow(JNIEnv* env, jclass,
                                                                            jobject container,
                                                                            jobjectArray cells) {
    probe(env, [&] {
        const DB2APIDataContainer table(env, container);
        table.newRow();
        const jsize count = env->GetArrayLength(cells);
        for (jsize i = 0; i < count && !env->ExceptionCheck(); ++i) {
            ScopedLocalRef<jbyteArray> cell(
                env, static_cast<jbyteArray>(env->GetObjectArrayElement(cells, i)));
            table.setColumnValue(i + 1, bytes(env, cell.get()));
        }
        return 0;
    });
}

JNIEXPORT jboolean JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_addRowsInBlock(
    JNIEnv* env, jclass, jobject container, jobjectArray rows, jboolean oneByOne) {
    return probe(env, [&] {
        const DB2APIDataContainer table(env, container);
        tarvinex::RowBlock block;
        const jsize count = env->GetArrayLength(rows);
        for (jsize r = 0; r < count; ++r) {
            ScopedLocalRef<jobjectArray> cells(
                env, static_cast<jobjectArray>(env->GetObjectArrayElement(rows, r)));
            block.newRow();
            const jsize width = env->GetArrayLength(cells.get());
            for (jsize i = 0; i < width; ++i) {
                ScopedLocalRef<jbyteArray> cell(
                    env, static_cast<jbyteArray>(env->GetObjectArrayElement(cells.get(), i)));
                block.setColumnValue(i + 1, bytes(env, cell.get()));
            }
        }
        return static_cast<jboolean>(oneByOne ? table.addRowsOneByOne(block)
                                              : table.addRows(block));
    });
}

JNIEXPORT jint JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_callsAfter(JNIEnv* env, jclass,
                                                                                jobject target,
                                                                                jstring cls,
                                                                                jstring first) {
    return probe(env, [&] {
        const std::string className = text(env, cls);
        const std::string firstMethod = text(env, first);
        const JavaObject subject(env, className.c_str(), target);
        subject.callStringMethod(firstMethod.c_str());
        subject.callMethodInt("setNumber", 1);
        subject.callMethodString("setText", "x");
        subject.callStringMethodString("echo", "x");
        subject.callIntegerMethod("getBoxedInt", 0);
        subject.getChildObject("getChild", className.c_str()).callVoidMethod("touch");
        return subject.callintMethod("getNumber");
    });
}

JNIEXPORT jint JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_manyRows(JNIEnv* env, jclass,
                                                                              jobject container,
                                                                              jint rows) {
    return probe(env, [&] {
        const DB2APIDataContainer table(env, container);
        table.addColumn("NUMBER");
        table.addColumn("TEXT");
        jint made = 0;
        for (; made < rows && !env->ExceptionCheck(); ++made) {
            table.newRow();
            table.setColumnValue(1, std::to_string(made));
            table.setColumnValue(2, "row");
        }
        return made;
    });
}

JNIEXPORT jlong JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_manyChildReads(
    JNIEnv* env, jclass, jobject target, jstring cls, jint times) {
    return probe(env, [&] {
        const std::string className = text(env, cls);
        jlong sum = 0;
        for (jint i = 0; i < times && !env->ExceptionCheck(); ++i) {
            const JavaObject subject(env, className.c_str(), target);
            const JavaObject child = subject.getChildObject("getChild", className.c_str());
            sum += child.callintMethod("getNumber");
            sum += static_cast<jlong>(child.callStringMethod("getName").size());
            sum += child.callIntegerMethod("getBoxedInt", 0);
        }
        return sum;
    });
}

// The partition numbers PartitionList reads from a Java collection; null when there is no list.
JNIEXPORT jintArray JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_readPartitions(
    JNIEnv* env, jclass, jobject collection) {
    bool present = false;
    const std::vector<jint> numbers = probe(env, [&] {
        PartitionList list;
        std::vector<jint> read;
        if (list.read(JavaObject(env, "java/util/Collection", collection), "partition list")) {
            present = list.present();
            read.assign(list.view().begin(), list.view().end());
        }
        return read;
    });
    return present ? primitiveArray(env, numbers, &JNIEnv::NewIntArray, &JNIEnv::SetIntArrayRegion)
                   : nullptr;
}

// The texts StringArray reads from a Java collection; null when there is no array.
JNIEXPORT jobjectArray JNICALL
Java_com_qorvath_db2command_tests_BridgeProbe_readStrings(JNIEnv* env, jclass, jobject collection) {
    bool present = false;
    const std::vector<std::string> texts = probe(env, [&] {
        StringArray array;
        std::vector<std::string> read;
        if (array.read(JavaObject(env, "java/util/Collection", collection), "table space list")) {
            present = array.present();
            for (std::size_t i = 0; i < array.size(); ++i) {
                read.emplace_back(array.data()[i]);
            }
        }
        return read;
    });
    return present ? stringArray(env, texts) : nullptr;
}

// The effective version a utility command reads from the run-time context; -1 when refused.
JNIEXPORT jint JNICALL Java_com_qorvath_db2command_tests_BridgeProbe_effectiveVersion(
    JNIEnv* env, jclass, jobject context) {
    return probe(env, [&] {
        int version = -1;
        return UtilityVersion::read(DB2CommandRuntimeContext(env, context), version) ? version : -1;
    });
}

}  // extern "C"
