#include "commands/digittext.h"

#include <string>

#include "commands/delimitedtext.h"
#include "commands/fieldnumber.h"

namespace {

t_string notANumber(const char* what, const t_string& text) {
    return t_string(what != nullptr ? what : "") + ": \"" + text + "\" is not a number";
}

}  // namespace

bool DigitText::parse(const t_string& text, const char* what, long long lowest, long long highest,
                      long long& value, t_string& why) {
    // The digits are summed as an unsigned magnitude that stops growing once it is past
    // `highest`: no overflow whatever the length, and the refusal still shows the digits.
    const unsigned long long ceiling =
        highest < 0 ? 0ULL : static_cast<unsigned long long>(highest);
    unsigned long long magnitude = 0;
    bool beyond = false;
    t_string digits;
    for (const char c : text) {
        if (c == ' ') {
            continue;
        }
        if (c < '0' || c > '9') {
            why = notANumber(what, text);
            return false;
        }
        digits.push_back(c);
        const unsigned long long d = static_cast<unsigned long long>(c - '0');
        if (!beyond && (d > ceiling || magnitude > (ceiling - d) / 10)) {
            beyond = true;
        }
        if (!beyond) {
            magnitude = magnitude * 10 + d;
        }
    }
    if (beyond) {
        why = t_string(what != nullptr ? what : "") + " gave " + digits + ", outside " +
              std::to_string(lowest) + " to " + std::to_string(highest);
        return false;
    }
    const long long number = static_cast<long long>(magnitude);
    if (number < lowest || number > highest) {
        why = FieldNumber::refusal(what, number, lowest, highest);
        return false;
    }
    value = number;
    return true;
}

std::vector<t_string> DigitText::items(const t_string& text) {
    return DelimitedText::split(text, ',');
}
