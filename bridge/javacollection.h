// Reads the elements of a java.util.Collection a getter returned, walking its iterator
// (iterator, hasNext, next) through JavaObject, so every call is checked as JavaObject checks it
// and one element's local references are dropped before the next is taken.
//
// The walk never trusts size(): a collection may yield more elements than size() said (another
// thread changed it, or its own size() is wrong). Elements are collected into a vector that
// grows as they come, up to a limit the caller gives; one more element than the limit stops the
// walk. So a caller allocates from what it got, never from what Java announced.
#pragma once

#include <cstddef>
#include <vector>

#include "bridge/javaobject.h"
#include "base/stdafx.h"

namespace tarvinex {

class JavaCollection {
  public:
    // How a walk ended.
    enum class Walk {
        kDone,         // every element was read
        kJavaFailed,   // a Java call failed; its exception is pending
        kNullElement,  // the element after those read is null; nothing is pending
        kTooMany,      // the collection holds more than the limit; nothing is pending
    };

    // `collection` as a getter returned it (JavaObject::callCollectionMethod); it may be null.
    explicit JavaCollection(const JavaObject& collection);

    bool isNull() const { return collection.isNull(); }

    // intValue() of each element, viewed as java.lang.Integer, in iteration order.
    Walk readInts(std::vector<int>& out, std::size_t limit) const;
    // toString() of each element in iteration order. The text reaches DB2, so a text holding
    // U+0000 is refused as the bridge's text getters refuse it (kJavaFailed).
    Walk readTexts(std::vector<t_string>& out, std::size_t limit) const;

  private:
    // Calls take(element) for each element until it returns false (a Java failure). A null
    // collection has no elements.
    template <typename Take>
    Walk walk(std::size_t limit, Take take) const;

    JavaObject collection;
};

}  // namespace tarvinex
