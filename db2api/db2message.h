// Message text of an sqlca, from the client's message formatter.
#pragma once

#include <string>

#include "db2types.h"

namespace db2 {

// True when the sqlca reports an error (sqlcode below 0).
bool IsError(const sqlca& ca);

// The message of an error; empty for a warning or success, without asking the client.
std::string GetError(const sqlca& ca);

// The message of any sqlca (warnings too); "No Error" for sqlcode 0.
std::string GetMessage(const sqlca& ca);

// What the formatter's result rc and the buffer it filled read as. buf may be null.
std::string MapFormatterResult(int rc, const char* buf, sqlint32 sqlcode);

}  // namespace db2
