// Load's source user exit (db2LoadUserExit), owned with its texts: the program, and the input
// stream, input file and output file it is given (each a db2Char; an empty text has length 0).
// No program means no user exit at all.
#pragma once

#include "commands/db2charlist.h"
#include "db2api/db2structs.h"
#include "base/stdafx.h"

class LoadUserExit {
  public:
    LoadUserExit() : exitParms{} {}
    LoadUserExit(const LoadUserExit&) = delete;
    LoadUserExit& operator=(const LoadUserExit&) = delete;

    bool build(const t_string& program, const t_string& inputStream, const t_string& inputFile,
               const t_string& outputFile, bool parallelize, t_string& why);

    // The user exit, or null when no program was given.
    db2LoadUserExit* get() { return present ? &exitParms : nullptr; }

  private:
    db2LoadUserExit exitParms;
    DB2CharList texts;  // program, input stream, input file, output file
    db2Uint16 enableParallelism = 0;
    bool present = false;
};
