// Texts of the monitoring listings' fields, read within the fields' bounds.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A field DB2 filled, up to its first NUL and never past `width` bytes; blanks are kept.
std::string_view boundedText(const char* field, std::size_t width);

// A one-byte field as the signed decimal number it holds ('i' is "105").
std::string byteNumber(char value);
