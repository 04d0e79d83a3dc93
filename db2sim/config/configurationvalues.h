// Values between DB2's buffers and the stand-in's text form. A buffer holds exactly the
// parameter's width (ConfigParams::width): a NUL-padded string of its length plus one, or the
// number in the machine's byte order. Numbers are kept as decimal text.
#pragma once

#include <string>

#include "db2sim/config/configparams.h"

namespace db2sim {

class ConfigurationValues {
  public:
    // Writes the width of `param`, no more, no less.
    static void write(const ConfigParam& param, const std::string& text, char* out);
    // Reads a caller's value at the parameter's width (a string up to its NUL or its length).
    // False when a number is outside the parameter's range.
    static bool read(const ConfigParam& param, const char* in, std::string& text);
};

}  // namespace db2sim
