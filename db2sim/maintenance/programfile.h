// The embedded SQL of a program file: every "EXEC SQL ... ;" block outside C comments and C
// string or character literals. A statement runs to the first ";" outside its own string
// constants and "--" comments; its blanks and line ends are folded to single spaces.
//
// The first word of each statement must be one DB2 accepts there; the declare-section,
// INCLUDE and WHENEVER directives are the precompiler's own and are not kept. A statement that
// starts otherwise gives SQL0104N (tokens: the word, the text before it, what was expected), one
// whose string constant never ends SQL0010N, and an EXEC SQL without its ";" SQL0104N with the
// token END-OF-FILE.
#pragma once

#include <string>
#include <vector>

namespace db2sim {

struct ProgramStatement {
    int line = 0;  // of its EXEC SQL, from 1
    std::string text;
};

struct ProgramScan {
    int sqlcode = 0;  // 0, or the error that stopped the scan
    std::vector<std::string> tokens;
    int line = 0;  // where the error is
    std::vector<ProgramStatement> statements;
};

class ProgramFile {
  public:
    ProgramFile() = delete;

    static ProgramScan scan(const std::string& source);
};

}  // namespace db2sim
