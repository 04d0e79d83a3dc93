// An array of C strings for DB2 (char** and a count), each a NUL-terminated copy, owned with the
// array. Absent (null array, count 0) until something is assigned; a null Java collection keeps
// it absent.
#pragma once

#include <cstddef>
#include <vector>

#include "bridge/javaobject.h"
#include "base/stdafx.h"

class StringArray {
  public:
    // The most elements read from one Java collection.
    static constexpr std::size_t kMaxCount = 65535;

    StringArray() = default;
    StringArray(const StringArray&) = delete;
    StringArray& operator=(const StringArray&) = delete;

    void assign(const std::vector<t_string>& texts);
    // toString() of each element of a Java collection, in iteration order (a null collection:
    // absent, true). A null element, or more than kMaxCount elements, is refused with an
    // SQLException naming `what`; a Java failure leaves its own exception pending. False
    // either way, and the array is absent.
    bool read(const tarvinex::JavaObject& collection, const char* what);
    void clear();

    bool present() const { return isPresent; }
    std::size_t size() const { return pointers.size(); }
    // The array, or null when absent or empty.
    char** data();
    const std::vector<t_string>& view() const { return texts; }

  private:
    std::vector<t_string> texts;
    std::vector<char*> pointers;
    bool isPresent = false;
};
