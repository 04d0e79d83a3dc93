// Conversions between numbers and text through a string stream, shared by every command.
//
// Never throws and never fails loudly: a conversion that cannot be made gives 0 (number) or the
// empty text. Text is read with the stream's extraction, so " 42 " gives 42, "12abc" gives 12 and
// "a b" gives "a". A float is written in fixed notation with six decimals (1.5 -> "1.500000").
#pragma once

#include <charconv>
#include <ios>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>

namespace tarvinex {
namespace detail {

template <typename Source>
void writeValue(std::stringstream& ss, const Source& value) {
    if constexpr (std::is_integral_v<Source> && std::is_signed_v<Source> &&
                  !std::is_same_v<Source, char>) {
        // Octal and hexadecimal show the bit pattern of a signed value.
        if (ss.flags() & (std::ios_base::oct | std::ios_base::hex)) {
            ss << static_cast<std::make_unsigned_t<Source>>(value);
            return;
        }
    }
    ss << value;
}

inline void writeValue(std::stringstream& ss, const char* const& value) {
    ss << (value != nullptr ? value : "");
}

inline void writeValue(std::stringstream& ss, char* const& value) {
    ss << (value != nullptr ? value : "");
}

inline void writeValue(std::stringstream& ss, unsigned char* const& value) {
    ss << (value != nullptr ? reinterpret_cast<const char*>(value) : "");
}

inline void writeValue(std::stringstream& ss, const unsigned char* const& value) {
    ss << (value != nullptr ? reinterpret_cast<const char*>(value) : "");
}

inline void writeValue(std::stringstream& ss, unsigned short* const& value) {
    ss << static_cast<const void*>(value);
}

// What a stream's extraction reads from `text` into a string: the first run of characters that
// are not white space in the classic locale.
inline std::string firstWord(std::string_view text) {
    constexpr std::string_view kSpace(" \t\n\v\f\r");
    const std::size_t start = text.find_first_not_of(kSpace);
    if (start == std::string_view::npos) {
        return std::string();
    }
    const std::size_t end = text.find_first_of(kSpace, start);
    return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
}

// An integer that a stream writes as decimal digits (not a character, not a truth value).
template <typename Source>
constexpr bool kPlainInteger =
    std::is_integral_v<Source> && !std::is_same_v<Source, bool> && !std::is_same_v<Source, char> &&
    !std::is_same_v<Source, signed char> && !std::is_same_v<Source, unsigned char> &&
    sizeof(Source) >= sizeof(short);

}  // namespace detail

template <typename Target, typename Source>
Target lexical_cast(const Source& value, char fill = 0, int width = 0, int precision = -1,
                    std::ios_base::fmtflags flags = std::ios_base::dec | std::ios_base::fixed) {
    // The common case without a stream (a stream costs a locale and a few allocations): an
    // integer as decimal text, with nothing set but the defaults. The text is the stream's.
    if constexpr (std::is_same_v<Target, std::string> && detail::kPlainInteger<Source>) {
        if (width <= 0 && flags == (std::ios_base::dec | std::ios_base::fixed)) {
            char digits[24];
            const char* end = std::to_chars(digits, digits + sizeof(digits), value).ptr;
            return std::string(digits, static_cast<std::size_t>(end - digits));
        }
    }
    // Text to text: its first word, as the stream gives it.
    if constexpr (std::is_same_v<Target, std::string> && std::is_same_v<Source, std::string>) {
        if (width <= 0) {
            return detail::firstWord(value);
        }
    }
    Target result{};
    try {
        std::stringstream ss(std::ios_base::in | std::ios_base::out);
        ss.setf(flags);
        if (ss.fail()) {
            return Target{};
        }
        if (precision >= 0) {
            ss.precision(precision);
            if (ss.fail()) {
                return Target{};
            }
        }
        if (width > 0) {
            ss.fill(fill);
            ss.width(width);
        }
        detail::writeValue(ss, value);
        if (ss.fail()) {
            return Target{};
        }
        Target read{};
        if (!(ss >> read)) {
            return Target{};
        }
        ss >> std::ws;
        result = read;
    } catch (...) {
        return Target{};
    }
    return result;
}

}  // namespace tarvinex

using tarvinex::lexical_cast;
