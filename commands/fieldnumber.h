// Numbers from Java into DB2's narrower numeric fields. A value the field cannot hold is refused
// with a message naming where it came from, never wrapped: 65536 in a 16-bit partition number
// would silently mean partition 0.
#pragma once

#include <jni.h>

#include <limits>
#include <type_traits>

#include "base/stdafx.h"
#include "bridge/javaobject.h"

class FieldNumber {
  public:
    FieldNumber() = delete;

    template <typename Field>
    static bool fits(long long value) {
        static_assert(std::is_integral_v<Field> && sizeof(Field) < sizeof(long long),
                      "a field narrower than long long");
        return value >= static_cast<long long>(std::numeric_limits<Field>::min()) &&
               value <= static_cast<long long>(std::numeric_limits<Field>::max());
    }

    // True when a Field holds `value`; otherwise raises "<source> gave <value>, outside <lowest>
    // to <highest>" as an SQLException.
    template <typename Field>
    static bool check(JNIEnv* env, const char* source, long long value) {
        if (fits<Field>(value)) {
            return true;
        }
        refuse(env, source, value, std::numeric_limits<Field>::min(),
               std::numeric_limits<Field>::max());
        return false;
    }

    // Stores `value` in `out`, or raises the refusal of check() and leaves `out` alone.
    template <typename Field>
    static bool narrow(JNIEnv* env, const char* source, long long value, Field& out) {
        if (!check<Field>(env, source, value)) {
            return false;
        }
        out = static_cast<Field>(value);
        return true;
    }

    // An Integer getter's value (`absent` for null) stored in `out`, or refused as narrow() does,
    // naming `source` (the getter when none is given).
    template <typename Field>
    static bool readInteger(const tarvinex::JavaObject& object, const char* getter, int absent,
                            Field& out, const char* source = nullptr) {
        return narrow(object.getEnv(), source != nullptr ? source : getter,
                      object.callIntegerMethod(getter, absent), out);
    }

    static t_string refusal(const char* source, long long value, long long lowest,
                            long long highest);

  private:
    static void refuse(JNIEnv* env, const char* source, long long value, long long lowest,
                       long long highest);
};
