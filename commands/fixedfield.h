// DB2's fixed-width text fields, both ways.
//
// Outbound fields (filled by DB2) have no terminator: read exactly their width, stop at the first
// NUL, drop trailing blanks. Inbound fields have N+1 bytes: at most N characters are copied into
// the zeroed field, so it always ends with a NUL. Never strlen/strcpy on either.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The text of a field of `width` bytes: up to the first NUL, without trailing blanks.
std::string readFixedField(const char* field, std::size_t width);

template <std::size_t N>
std::string readFixedField(const char (&field)[N]) {
    return readFixedField(field, N);
}

// The same text seen in place, valid while the field is.
std::string_view fixedFieldText(const char* field, std::size_t width);

template <std::size_t N>
std::string_view fixedFieldText(const char (&field)[N]) {
    return fixedFieldText(field, N);
}

// Zeroes the `size`-byte field, then copies at most size - 1 characters of `text` into it.
void copyToField(char* field, std::size_t size, const std::string& text);

template <std::size_t N>
void copyToField(char (&field)[N], const std::string& text) {
    copyToField(field, N, text);
}

// The copy of an 8-byte eye-catcher ("SQLDBD02"): exactly 8 bytes, no terminator.
template <std::size_t N>
void copyEyeCatcher(char (&field)[N], const char (&text)[N + 1]) {
    for (std::size_t i = 0; i < N; ++i) {
        field[i] = text[i];
    }
}
