#include "commands/countedstring.h"

#include <cstddef>
#include <cstring>
#include <limits>
#include <string>

namespace {

// How much of an over-long text a refusal shows.
constexpr std::size_t kShown = 40;

t_string tooLong(const char* what, const t_string& text, std::size_t width) {
    return t_string(what != nullptr ? what : "") + " longer than " + std::to_string(width) +
           " characters: " + text.substr(0, kShown) + "...";
}

}  // namespace

void CountedString::clear() {
    block.reset();
    kind = Kind::kNone;
}

void CountedString::fill(std::size_t header, const t_string& text) {
    // Value-initialised: zeroed, so data ends with a NUL after the text.
    block = std::make_unique<unsigned char[]>(header + text.size() + 1);
    if (!text.empty()) {
        std::memcpy(block.get() + header, text.data(), text.size());
    }
}

bool CountedString::assignSqlchar(const t_string& text, const char* what, t_string& why) {
    clear();
    if (text.size() > kSqlcharMax) {
        why = tooLong(what, text, kSqlcharMax);
        return false;
    }
    fill(offsetof(sqlchar, data), text);
    reinterpret_cast<sqlchar*>(block.get())->length = static_cast<short>(text.size());
    kind = Kind::kSqlchar;
    return true;
}

bool CountedString::assignSqllob(const t_string& text, const char* what, t_string& why) {
    clear();
    if (text.size() > std::numeric_limits<sqluint32>::max()) {
        why = tooLong(what, text, std::numeric_limits<sqluint32>::max());
        return false;
    }
    fill(offsetof(sqllob, data), text);
    reinterpret_cast<sqllob*>(block.get())->length = static_cast<sqluint32>(text.size());
    kind = Kind::kSqllob;
    return true;
}
