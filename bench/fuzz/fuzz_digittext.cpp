// The digit parser against a slow reference: blanks skipped, digits only, within the field.
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "commands/digittext.h"
#include "db2api/db2types.h"

namespace {

// The reference value, or -1 for "not a number", -2 for "more than 18 significant digits".
long long reference(const std::string& text) {
    std::string digits;
    for (const char c : text) {
        if (c == ' ') {
            continue;
        }
        if (c < '0' || c > '9') {
            return -1;
        }
        if (!(digits.empty() && c == '0')) {
            digits.push_back(c);
        }
    }
    if (digits.size() > 18) {
        return -2;
    }
    return digits.empty() ? 0 : std::stoll(digits);
}

template <typename Field>
void check(const std::string& text, long long expected) {
    Field out = 0;
    std::string why;
    const bool ok = DigitText::parse(text, "list", out, why);
    const bool fits =
        expected >= 0 && expected <= static_cast<long long>(std::numeric_limits<Field>::max());
    if (ok != fits || (ok && static_cast<long long>(out) != expected) || ok == !why.empty()) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const long long expected = reference(text);
    // A range that does not start at 0.
    long long value = -1;
    std::string why;
    const bool ok = DigitText::parse(text, "list", 1, 999, value, why);
    if (ok != (expected >= 1 && expected <= 999) || (ok && value != expected)) {
        std::abort();
    }
    check<db2int32>(text, expected);
    check<sqluint16>(text, expected);
    check<sqlint16>(text, expected);
    check<db2Uint32>(text, expected);
    return 0;
}
