// DB2's counted strings, owned: sqlchar (16-bit length: action strings, file type modifiers)
// and sqllob (32-bit length: export's statement). The block is zeroed and sized
// offsetof(data) + length + 1, so data is also NUL-terminated. Absent (null) until assigned.
//
// sqlchar's length is a signed 16-bit field: a text over 32767 bytes would wrap negative, so it
// is refused with "<what> longer than 32767 characters: <first characters>...".
#pragma once

#include <cstddef>
#include <memory>

#include "db2api/db2structs.h"
#include "base/stdafx.h"

class CountedString {
  public:
    static constexpr std::size_t kSqlcharMax = 32767;

    CountedString() = default;
    CountedString(const CountedString&) = delete;
    CountedString& operator=(const CountedString&) = delete;

    // The text as an sqlchar; false with the refusal in `why` (and absent) when it is too long.
    bool assignSqlchar(const t_string& text, const char* what, t_string& why);
    // The text as an sqllob; false with the refusal when it is over 4294967295 bytes.
    bool assignSqllob(const t_string& text, const char* what, t_string& why);
    void clear();

    // Null unless the matching assign succeeded.
    sqlchar* asSqlchar() {
        return kind == Kind::kSqlchar ? reinterpret_cast<sqlchar*>(block.get()) : nullptr;
    }
    sqllob* asSqllob() {
        return kind == Kind::kSqllob ? reinterpret_cast<sqllob*>(block.get()) : nullptr;
    }

  private:
    enum class Kind { kNone, kSqlchar, kSqllob };

    // A zeroed block of `header + length + 1` bytes with the text copied at `header`.
    void fill(std::size_t header, const t_string& text);

    std::unique_ptr<unsigned char[]> block;
    Kind kind = Kind::kNone;
};
