#include "commands/maintenance/runstatslists.h"

#include <algorithm>
#include <limits>

#include "base/javaexception.h"
#include "base/lexicalcast.h"
#include "bridge/javacollection.h"
#include "bridge/scopedlocalref.h"
#include "commands/fieldnumber.h"

namespace {

// Every count of the statistics request is a 16-bit field.
constexpr std::size_t kMaxEntries = std::numeric_limits<db2int16>::max();

bool pending(JNIEnv* env) {
    return env == nullptr || env->ExceptionCheck() == JNI_TRUE;
}

void refuse(JNIEnv* env, const t_string& message) {
    ThrowJavaException(env, message.c_str());
}

}  // namespace

bool RunstatsLists::read(const tarvinex::JavaObject& command, const t_string& className) {
    env = command.getEnv();
    return readColumnOptions(command, className) && readDistOptions(command, className) &&
           readIndexes(command) && checkCounts();
}

bool RunstatsLists::readTexts(const tarvinex::JavaObject& collection, const char* what,
                              std::vector<t_string>& texts) {
    switch (tarvinex::JavaCollection(collection).readTexts(texts, kMaxEntries)) {
        case tarvinex::JavaCollection::Walk::kDone:
            return true;
        case tarvinex::JavaCollection::Walk::kNullElement:
            refuse(env, t_string(what) + " holds a null name");
            return false;
        case tarvinex::JavaCollection::Walk::kTooMany:
            refuse(env, t_string(what) + " holds more than " + lexical_cast<t_string>(kMaxEntries) +
                            " names");
            return false;
        default:
            return false;
    }
}

bool RunstatsLists::forEachOption(const tarvinex::JavaObject& command, const char* getter,
                                  const t_string& elementClass,
                                  const std::function<bool(const tarvinex::JavaObject&)>& take) {
    const tarvinex::JavaObject collection = command.callCollectionMethod(getter);
    if (collection.isNull() || pending(env)) {
        return !pending(env);
    }
    const tarvinex::ScopedLocalRef<jobjectArray> elements(
        env, collection.callObjectArrayMethod("toArray"));
    if (elements.get() == nullptr) {
        return !pending(env);
    }
    const jsize n = env->GetArrayLength(elements.get());
    if (static_cast<std::size_t>(n) > kMaxEntries) {
        refuse(env, t_string(getter) + "() holds " + lexical_cast<t_string>(n) +
                        " options, more than " + lexical_cast<t_string>(kMaxEntries));
        return false;
    }
    for (jsize i = 0; i < n; ++i) {
        jobject element = env->GetObjectArrayElement(elements.get(), i);
        if (element == nullptr) {
            refuse(env, t_string(getter) + "() holds a null option");
            return false;
        }
        // One element's references at a time, however long the collection.
        if (!take(tarvinex::JavaObject::adopt(env, elementClass.c_str(), element)) ||
            pending(env)) {
            return false;
        }
    }
    return !pending(env);
}

unsigned char* RunstatsLists::keep(const t_string& name) {
    names.push_back(std::make_unique<t_string>(name));
    return reinterpret_cast<unsigned char*>(names.back()->data());
}

bool RunstatsLists::namesOf(const tarvinex::JavaObject& option, std::vector<unsigned char*>& out) {
    std::vector<t_string> texts;
    if (!readTexts(option.callCollectionMethod("getColumnNameList"), "getColumnNameList()",
                   texts)) {
        return false;
    }
    for (const t_string& text : texts) {
        out.push_back(keep(text));
    }
    return true;
}

bool RunstatsLists::readCount(const tarvinex::JavaObject& option, const char* getter,
                              db2int16& out) {
    const int value = option.callIntegerMethod(getter, DB2RUNSTATS_DEFAULT);
    return !pending(env) && FieldNumber::narrow(env, getter, value, out);
}

bool RunstatsLists::readColumnOptions(const tarvinex::JavaObject& command,
                                      const t_string& className) {
    return forEachOption(
        command, "getColsColumnOptions", className + "$ColumnOption",
        [this](const tarvinex::JavaObject& option) { return takeColumnOption(option); });
}

bool RunstatsLists::takeColumnOption(const tarvinex::JavaObject& option) {
    auto group = std::make_unique<Group>();
    if (!namesOf(option, group->names)) {
        return false;
    }
    if (group->names.size() == 1) {
        auto entry = std::make_unique<db2ColumnData>();
        entry->piColumnName = group->names.front();
        entry->iColumnFlags = option.callboolMethod("isLikeStatistics") == JNI_TRUE
                                  ? DB2RUNSTATS_COLUMN_LIKE_STATS
                                  : 0;
        columnPtrs.push_back(entry.get());
        columnEntries.push_back(std::move(entry));
    } else if (group->names.size() > 1) {
        group->data.iGroupSize = static_cast<db2int16>(group->names.size());
        group->data.piGroupColumnNames = group->names.data();
        groupPtrs.push_back(&group->data);
        groupEntries.push_back(std::move(group));
    }
    return true;
}

bool RunstatsLists::readDistOptions(const tarvinex::JavaObject& command,
                                    const t_string& className) {
    return forEachOption(
        command, "getDistColumnOptions", className + "$DistColumnOption",
        [this](const tarvinex::JavaObject& option) { return takeDistOption(option); });
}

bool RunstatsLists::takeDistOption(const tarvinex::JavaObject& option) {
    auto group = std::make_unique<Group>();
    db2int16 frequencies = 0;
    db2int16 quantiles = 0;
    if (!namesOf(option, group->names) || !readCount(option, "getFrequencyOption", frequencies) ||
        !readCount(option, "getQuantileOption", quantiles)) {
        return false;
    }
    if (group->names.size() == 1) {
        auto entry = std::make_unique<db2ColumnDistData>();
        entry->piColumnName = group->names.front();
        entry->iNumFreqValues = frequencies;
        entry->iNumQuantiles = quantiles;
        distPtrs.push_back(entry.get());
        distEntries.push_back(std::move(entry));
    } else if (group->names.size() > 1) {
        group->data.iGroupSize = static_cast<db2int16>(group->names.size());
        group->data.piGroupColumnNames = group->names.data();
        group->data.iNumFreqValues = frequencies;
        group->data.iNumQuantiles = quantiles;
        groupPtrs.push_back(&group->data);
        groupEntries.push_back(std::move(group));
    }
    return true;
}

bool RunstatsLists::readIndexes(const tarvinex::JavaObject& command) {
    std::vector<t_string> texts;
    if (!readTexts(command.callCollectionMethod("getIndexName"), "getIndexName()", texts)) {
        return false;
    }
    for (const t_string& text : texts) {
        indexPtrs.push_back(keep(text));
    }
    return true;
}

bool RunstatsLists::checkCounts() {
    // Column and distribution options share the group list: together they may exceed 16 bits.
    if (groupPtrs.size() > kMaxEntries) {
        refuse(env, "getColsColumnOptions() and getDistColumnOptions() hold " +
                        lexical_cast<t_string>(groupPtrs.size()) + " column groups, more than " +
                        lexical_cast<t_string>(kMaxEntries));
        return false;
    }
    return true;
}
