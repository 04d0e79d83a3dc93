#include "commands/fixedfield.h"

#include <algorithm>
#include <cstring>

std::string readFixedField(const char* field, std::size_t width) {
    return std::string(fixedFieldText(field, width));
}

std::string_view fixedFieldText(const char* field, std::size_t width) {
    if (field == nullptr) {
        return std::string_view();
    }
    const void* nul = std::memchr(field, 0, width);
    std::size_t length =
        nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : width;
    // Wide fields are mostly padding: drop blanks eight at a time first.
    static const char kBlanks[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    while (length >= sizeof(kBlanks) &&
           std::memcmp(field + length - sizeof(kBlanks), kBlanks, sizeof(kBlanks)) == 0) {
        length -= sizeof(kBlanks);
    }
    while (length > 0 && field[length - 1] == ' ') {
        --length;
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
