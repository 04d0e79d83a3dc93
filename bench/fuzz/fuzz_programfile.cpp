// The stand-in's reader of embedded SQL in a program file: every statement it keeps is folded
// (no blank at either end, no line end outside a string constant) and sits on a line the file
// has; a refusal names its tokens and keeps no statement after it.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "db2sim/maintenance/programfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string source(reinterpret_cast<const char*>(data), size);
    const db2sim::ProgramScan scan = db2sim::ProgramFile::scan(source);
    const int lines = 1 + static_cast<int>(std::count(source.begin(), source.end(), '\n'));
    if (scan.sqlcode != 0 && (scan.tokens.empty() || scan.line < 1 || scan.line > lines)) {
        std::abort();
    }
    for (const db2sim::ProgramStatement& statement : scan.statements) {
        const std::string& text = statement.text;
        if (text.empty() || text.front() == ' ' || statement.line < 1 || statement.line > lines) {
            std::abort();
        }
    }
    return 0;
}
