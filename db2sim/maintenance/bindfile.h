// The stand-in's bind file: what precompile writes and bind reads. A text file of lines:
//
//     DB2SIM BIND 1
//     PROGRAM <program file>
//     PACKAGE <schema>.<name>        (schema may be empty: the binder's authid)
//     VERSION <version>              (may be empty)
//     STATEMENTS <n>
//     <length>:<statement>           n times, each statement <length> bytes, then a line end
//     END
//
// parse() accepts exactly that shape: any other line, a count or length that does not match,
// a name DB2 would refuse or anything after END makes the file "not a bind file".
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace db2sim {

struct BindFile {
    static constexpr std::size_t kMaxStatements = 65535;
    static constexpr std::size_t kMaxStatementLength = 65535;

    std::string program;
    std::string schema;
    std::string package;
    std::string version;
    std::vector<std::string> statements;

    std::string serialize() const;
    // False, leaving `out` alone, when `text` is not a bind file.
    static bool parse(const std::string& text, BindFile& out);

    // Package and schema names: 1-8 (package) or 1-128 (schema) letters, digits or "@#$_", not
    // starting with a digit.
    static bool validPackageName(const std::string& name);
    static bool validSchemaName(const std::string& name);
};

}  // namespace db2sim
