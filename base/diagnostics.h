// The library's own diagnostic lines: " <message>: " on standard error for every raised exception,
// and on standard output the missing-method line of the bridge and the failed context attach or
// detach line of the DB2 layer. They are on by default. A program that shows the failures itself
// (the console) sets TARVINEX_DIAGNOSTICS=off in the environment, so each failure shows once and
// standard output carries only its results.
#pragma once

namespace tarvinex {

// Whether the diagnostic lines are written. The environment is read once, at the first call;
// "off", "0", "no" and "false" (in any case) switch the lines off, anything else leaves them on.
bool DiagnosticsEnabled();

}  // namespace tarvinex
