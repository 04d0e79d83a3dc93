// Numbers written in Java text ("12", " 5", "1 2") for DB2's numeric fields: partition numbers,
// agent ids, null indicator columns, positions, ports, container pages.
//
// Blanks are skipped wherever they are ("1 2" is 12, " 5" is 5) and an empty text is 0, as callers
// have always written them. Any other character (a sign, a letter, a tab) makes the text "not a
// number", and a value outside the target field's range is refused, before any DB2 call: "12a"
// must never reach DB2 as some other number. Digits are accumulated without signed overflow, so a
// text of any length is judged safely.
//
// Refusals name the list the text came from:
//   null indicator list: "12a" is not a number
//   null indicator list gave 4294967296, outside -2147483648 to 2147483647
// (the second is FieldNumber's refusal).
#pragma once

#include <limits>
#include <type_traits>
#include <vector>

#include "base/stdafx.h"

class DigitText {
  public:
    DigitText() = delete;

    // The value of `text` within [lowest, highest] (lowest <= 0 <= highest is not required), or
    // false with the refusal in `why`. `what` names the list in the refusal.
    static bool parse(const t_string& text, const char* what, long long lowest, long long highest,
                      long long& value, t_string& why);

    // The value of `text` as a Field; `out` is left alone on refusal.
    template <typename Field>
    static bool parse(const t_string& text, const char* what, Field& out, t_string& why) {
        static_assert(std::is_integral_v<Field> && sizeof(Field) <= sizeof(int),
                      "a DB2 numeric field of at most 32 bits");
        long long value = 0;
        if (!parse(text, what, std::numeric_limits<Field>::min(), std::numeric_limits<Field>::max(),
                   value, why)) {
            return false;
        }
        out = static_cast<Field>(value);
        return true;
    }

    // Every item of a comma list (DelimitedText::split) as a Field; an empty text gives no
    // items. On refusal `out` holds the items before the refused one.
    template <typename Field>
    static bool parseList(const t_string& text, const char* what, std::vector<Field>& out,
                          t_string& why) {
        out.clear();
        for (const t_string& item : items(text)) {
            Field value{};
            if (!parse(item, what, value, why)) {
                return false;
            }
            out.push_back(value);
        }
        return true;
    }

  private:
    static std::vector<t_string> items(const t_string& text);
};
