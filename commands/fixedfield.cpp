#include "commands/fixedfield.h"

#include <algorithm>
#include <cstring>

namespace {

std::size_t withoutTrailingBlanks(const char* field, std::size_t length) {
    // Wide fields are mostly padding: eight blanks at a time first.
    static const char kBlanks[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    while (length >= sizeof(kBlanks) &&
           std::memcmp(field + length - sizeof(kBlanks), kBlanks, sizeof(kBlanks)) == 0) {
        length -= sizeof(kBlanks);
    }
    while (length > 0 && field[length - 1] == ' ') {
        --length;
    }
    return length;
}

}  // namespace

std::string readFixedField(const char* field, std::size_t width) {
    return std::string(fixedFieldText(field, width));
}

std::string_view fixedFieldText(const char* field, std::size_t width) {
    if (field == nullptr) {
        return std::string_view();
    }
    // The padding is looked at once: blanks are dropped from the end first, then the text is cut
    // at its first NUL and what precedes the NUL loses its own trailing blanks.
    std::size_t length = withoutTrailingBlanks(field, width);
    const void* nul = std::memchr(field, 0, length);
    if (nul != nullptr) {
        length = withoutTrailingBlanks(
            field, static_cast<std::size_t>(static_cast<const char*>(nul) - field));
    }
    return std::string_view(field, length);
}

void copyToField(char* field, std::size_t size, const std::string& text) {
    if (field == nullptr || size == 0) {
        return;
    }
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), std::min(text.size(), size - 1));
}
