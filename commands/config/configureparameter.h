// The configuration parameter vocabulary shared by the get, update and auto-configure commands:
// Java catalogue entries to descriptors, value buffer sizes, values to text and text to values.
//
// DB2 writes (and reads) a parameter's full width in the buffer it is given, whatever type the
// catalogue says, so no value buffer, for any type, goes below kMinStringBuffer. A NotAToken
// descriptor, or one whose DataSize is negative or absurd, has no buffer at all: callers check
// isUsable first.
#pragma once

#include <cstddef>
#include <memory>

#include "bridge/javaobject.h"
#include "commands/config/structdbconfiginfo.h"
#include "base/stdafx.h"

class CDB2ConfigureParameter {
  public:
    static constexpr const char* kYes = "Yes";
    static constexpr const char* kNo = "No";
    // Java classes of the catalogue, relative to the command package.
    static constexpr const char* kConfigParameterClass = "configParams/ConfigParameter";
    static constexpr const char* kParameterFactoryClass = "configParams/ParameterFactory";
    // Smallest buffer handed to DB2 for a string value, and the largest DataSize accepted.
    static constexpr int kMinStringBuffer = 1024;
    static constexpr int kMaxDataSize = 32767;

    CDB2ConfigureParameter() = delete;

    // Type name to enumerator, ignoring case; unknown names give NotAToken.
    static DBConfigInfoDataType getDataType(const t_string& strDataType);
    // A descriptor of a Java ConfigParameter, or null when the object is null. The brief is
    // read only when asked for (it is one more call into Java per parameter).
    static std::unique_ptr<StructDBConfigInfo> getDBConfigParamInfo(
        const tarvinex::JavaObject& paramObject, bool readBrief = true);
    // A known data type and a DataSize in [0, kMaxDataSize].
    static bool isUsable(const StructDBConfigInfo& item);
    // Bytes of a value buffer for the item, to get or to set (0 when it is not usable).
    static int GetItemAllocSize(const StructDBConfigInfo& item);
    // The buffer as text, reading no more than `size` bytes; empty when it is too small.
    static t_string GetItemValue(const StructDBConfigInfo& item, const char* value,
                                 std::size_t size);
    // Converts `text` into the zeroed buffer. Strings are cut to DataSize characters. False when a
    // numeric type finds no number or one out of the type's range; trailing text is ignored
    // ("12abc" is 12) and unsigned types take negatives as their bit pattern ("-1" is all ones).
    static bool SetItemValue(const StructDBConfigInfo& item, const t_string& text, char* buffer,
                             std::size_t size);
};
