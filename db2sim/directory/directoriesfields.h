// Field and record helpers shared by the three directories: DB2's fixed-width fields (blank-padded
// without terminator going out, NUL-terminated in N+1 bytes coming in), directory names, and the
// tab-separated records of the state files.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace db2sim {

// An 8-character directory name (alias, database, node), NUL-padded, upper case.
using ShortName = std::array<char, 8>;

ShortName toShortName(const std::string& text);
std::string fromShortName(const ShortName& name);
// The same name without a copy, valid as long as `name`.
inline std::string_view shortNameView(const ShortName& name) {
    return std::string_view(name.data(), strnlen(name.data(), name.size()));
}

// putBlankPadded(field, 8, shortNameView(name)) without a length search or a copy call: the name's
// bytes up to its first NUL, blanks from there.
template <size_t N>
void putShortName(char (&field)[N], const ShortName& name) {
    static_assert(N == std::tuple_size<ShortName>::value, "a field as wide as a short name");
    bool ended = false;
    for (size_t i = 0; i < name.size(); ++i) {
        ended = ended || name[i] == '\0';
        field[i] = ended ? ' ' : name[i];
    }
}
// Writes `text` blank-padded to the full width with no terminator, cut at the width.
void putBlankPadded(char* field, size_t width, std::string_view text);
// putBlankPadded for a field rewritten entry after entry in a buffer that keeps its bytes:
// `shown` is how much text the field held (the rest is blank already; 0 for an all-blank field)
// and becomes the new text's length. Only what the old text held beyond the new is blanked.
inline void rewriteBlankPadded(char* field, size_t width, std::string_view text, size_t& shown) {
    size_t length = std::min(text.size(), width);
    std::copy_n(text.data(), length, field);
    if (shown > length) {
        std::memset(field + length, ' ', shown - length);
    }
    shown = length;
}
// Writes `text` NUL-terminated into a field of `size` bytes, zero-filled, cut at size - 1.
void putTerminated(char* field, size_t size, const std::string& text);
// Reads an inbound field of `size` bytes (N + 1); false when it holds no NUL.
bool readTerminated(const char* field, size_t size, std::string& text);
// Reads a plain char* parameter: null gives "", at most limit + 1 characters are looked at so an
// over-long value stays detectable.
std::string readParameter(const char* text, size_t limit);

std::string withoutTrailingBlanks(std::string text);
// 1 to 8 letters, digits or @#$_, not starting with a digit (alias, database and node names).
bool validDirectoryName(const std::string& name);

// One line of tab-separated fields; tabs, newlines and backslashes are escaped.
std::string joinRecord(const std::vector<std::string>& fields);
std::vector<std::string> splitRecord(const std::string& line);

}  // namespace db2sim
