// What the maintenance entry points share: the calling context's connection, files read whole
// and the message file of bind and precompile.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "db2sim/connection/connections.h"

namespace db2sim {

class ApiCall;

// The open CLI connection of the calling thread's context, if any.
std::optional<Connection> callerConnection(ApiCall& call);

// Reads a file of at most `limit` bytes; false when it cannot be opened, is larger or is a folder.
bool readWholeFile(const std::string& path, std::size_t limit, std::string& out);
bool writeWholeFile(const std::string& path, const std::string& content);

// Appends DB2's message of `sqlcode` with `tokens` to the message file `path` (none when empty),
// after "<line>  " when `line` is above 0.
void reportToMessageFile(const std::string& path, int line, int sqlcode,
                         const std::vector<std::string>& tokens);

// "SCHEMA.NAME" split at its first "."; no "." gives `defaultSchema` and the whole name. Both
// upper case, blanks at the ends dropped.
void splitQualified(const std::string& qualified, const std::string& defaultSchema,
                    std::string& schema, std::string& name);

}  // namespace db2sim
