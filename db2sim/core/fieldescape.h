// Text fields of the stand-in's tab- and line-separated state files. A field may hold any byte:
// backslash, tab, line feed and carriage return are written as \\, \t, \n and \r, and read back.
#pragma once

#include <string>

namespace db2sim {

std::string escapeField(const std::string& text);
// The inverse of escapeField. Any other escaped character stands for itself; a backslash at the
// end is kept.
std::string unescapeField(const std::string& text);

}  // namespace db2sim
