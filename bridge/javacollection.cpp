#include "bridge/javacollection.h"

namespace tarvinex {

namespace {

constexpr const char* kCollectionClass = "java/util/Collection";
constexpr const char* kObjectClass = "java/lang/Object";
constexpr const char* kIntegerClass = "java/lang/Integer";

bool pending(JNIEnv* env) {
    return env != nullptr && env->ExceptionCheck() == JNI_TRUE;
}

}  // namespace

JavaCollection::JavaCollection(const JavaObject& collection)
    : collection(collection, kCollectionClass) {}

template <typename Take>
JavaCollection::Walk JavaCollection::walk(std::size_t limit, Take take) const {
    if (collection.isNull()) {
        return Walk::kDone;
    }
    JNIEnv* env = collection.getEnv();
    std::size_t taken = 0;
    const JavaObject iterator = collection.getCollectionIterator();
    if (pending(env)) {
        return Walk::kJavaFailed;
    }
    while (true) {
        const bool more = iterator.callboolMethod("hasNext") == JNI_TRUE;
        if (pending(env)) {
            return Walk::kJavaFailed;
        }
        if (!more) {
            return Walk::kDone;
        }
        if (taken == limit) {
            return Walk::kTooMany;
        }
        // The element's references are gone before the next one is taken.
        const JavaObject element = iterator.getChildObject("next", kObjectClass);
        if (pending(env)) {
            return Walk::kJavaFailed;
        }
        if (element.isNull()) {
            return Walk::kNullElement;
        }
        if (!take(element) || pending(env)) {
            return Walk::kJavaFailed;
        }
        ++taken;
    }
}

JavaCollection::Walk JavaCollection::readInts(std::vector<int>& out, std::size_t limit) const {
    out.clear();
    return walk(limit, [&out](const JavaObject& element) {
        out.push_back(JavaObject(element, kIntegerClass).callintMethod("intValue"));
        return true;
    });
}

JavaCollection::Walk JavaCollection::readTexts(std::vector<t_string>& out,
                                               std::size_t limit) const {
    out.clear();
    return walk(limit, [&out](const JavaObject& element) {
        out.push_back(element.callStringMethod("toString"));
        return true;
    });
}

}  // namespace tarvinex
