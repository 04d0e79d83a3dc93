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

namespace db2sim {

class DatabaseTables;
class Table;

// The table a utility names ("SCHEMA.NAME", or "NAME" in the caller's schema), or null;
// `qualified` is the name as looked up.
Table* namedTable(DatabaseTables& tables, const char* name, const std::string& authid,
                  std::string& qualified);
// Whether `table` has the index `name` ("SCHEMA.NAME" or "NAME").
bool hasIndex(const Table& table, const std::string& name);
// The current local time as DB2 writes timestamps, yyyymmddhhmmss.
std::string timestampNow();
// Adds a recovery history entry of a utility on a table.
void recordTableHistory(const std::string& database, char operation, const Table& table,
                        const std::string& commandText);

}  // namespace db2sim
