// Helpers the database operations share: alias parameters, the calling context's connection,
// the release a database was made at, and warnings.
#pragma once

#include <string>
#include <vector>

#include "db2sim/database/databases.h"

namespace db2sim {

class ApiCall;

// The alias of a char* parameter (at most 8 significant characters, trailing blanks dropped).
std::string aliasParameter(const char* alias);
// True when the calling thread's context holds an open CLI connection.
bool callerConnected(ApiCall& call);
// The release part of a product signature ("SQL09074" -> "0907").
std::string releaseOf(const std::string& product);

// Ends the call with a warning DB2 gives on success (+sqlcode); the sqlca carries the tokens.
int warn(ApiCall& call, int sqlcode, const std::vector<std::string>& tokens = {});

}  // namespace db2sim
