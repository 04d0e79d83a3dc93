#include "commands/locationpairs.h"

#include "commands/delimitedtext.h"
#include "commands/digittext.h"

namespace {

// Positions are 16-bit signed fields.
constexpr long long kHighestPosition = 32767;

}  // namespace

bool LocationPairs::parse(const t_string& text, const char* what, std::vector<LocationPair>& out,
                          t_string& why) {
    out.clear();
    for (const t_string& raw : DelimitedText::split(text, ',')) {
        const t_string item = DelimitedText::trim(raw);
        const std::size_t blank = item.find(' ');
        // Without a blank the one number is both the begin and the end.
        const t_string first = blank == t_string::npos ? item : item.substr(0, blank);
        const t_string second = blank == t_string::npos ? item : item.substr(blank + 1);
        long long begin = 0;
        long long end = 0;
        if (!DigitText::parse(first, what, 0, kHighestPosition, begin, why) ||
            !DigitText::parse(second, what, 0, kHighestPosition, end, why)) {
            out.clear();
            return false;
        }
        out.push_back(LocationPair{static_cast<sqlint16>(begin), static_cast<sqlint16>(end)});
    }
    return true;
}
