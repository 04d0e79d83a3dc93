#include "commands/stringarray.h"

#include <string>

#include "bridge/javacollection.h"
#include "base/javaexception.h"

void StringArray::clear() {
    texts.clear();
    pointers.clear();
    isPresent = false;
}

void StringArray::assign(const std::vector<t_string>& newTexts) {
    clear();
    texts = newTexts;
    pointers.reserve(texts.size());
    for (t_string& text : texts) {
        pointers.push_back(&text[0]);  // NUL-terminated, stable while `texts` is not changed
    }
    isPresent = true;
}

bool StringArray::read(const tarvinex::JavaObject& collection, const char* what) {
    clear();
    const tarvinex::JavaCollection elements(collection);
    if (elements.isNull()) {
        return true;
    }
    std::vector<t_string> got;
    const t_string name(what != nullptr ? what : "");
    switch (elements.readTexts(got, kMaxCount)) {
        case tarvinex::JavaCollection::Walk::kDone:
            assign(got);
            return true;
        case tarvinex::JavaCollection::Walk::kJavaFailed:
            return false;
        case tarvinex::JavaCollection::Walk::kNullElement:
            ThrowJavaException(
                collection.getEnv(),
                (name + ": element " + std::to_string(got.size() + 1) + " is null").c_str());
            return false;
        case tarvinex::JavaCollection::Walk::kTooMany:
            ThrowJavaException(
                collection.getEnv(),
                (name + " holds more than " + std::to_string(kMaxCount) + " names").c_str());
            return false;
    }
    return false;
}

char** StringArray::data() {
    return isPresent && !pointers.empty() ? pointers.data() : nullptr;
}
