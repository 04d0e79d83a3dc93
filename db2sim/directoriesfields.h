// Field and record helpers shared by the three directories: DB2's fixed-width fields (blank-padded
// without terminator going out, NUL-terminated in N+1 bytes coming in), directory names, and the
// tab-separated records of the state files.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace db2sim {

// An 8-character directory name (alias, database, node), NUL-padded, upper case.
using ShortName = std::array<char, 8>;

ShortName toShortName(const std::string& text);
std::string fromShortName(const ShortName& name);
// The same name without a copy, valid as long as `name`.
std::string_view shortNameView(const ShortName& name);

// Writes `text` blank-padded to the full width with no terminator, cut at the width.
void putBlankPadded(char* field, size_t width, std::string_view text);
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
