#include "commands/monitor/monitortext.h"

#include <cstring>

std::string_view boundedText(const char* field, std::size_t width) {
    const void* nul = std::memchr(field, 0, width);
    const std::size_t length =
        nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : width;
    return std::string_view(field, length);
}

std::string byteNumber(char value) {
    return std::to_string(static_cast<int>(static_cast<signed char>(value)));
}
