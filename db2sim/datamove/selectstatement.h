// The SELECT statements export and load from a cursor run: a strict, small subset of SQL.
//
//   SELECT * | column [, column]... FROM [schema.]table [WHERE column op literal]
//
// op is one of = <> != < > <= >=; a literal is a number or a string in single quotes ('' for a
// quote). Names are upper-cased unless in double quotes. Anything else is refused as DB2
// refuses a statement it cannot read: SQL0104N with the unexpected token, the text before it
// and what was expected.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "db2sim/database/column.h"

namespace db2sim {

class DatabaseTables;

// Why a statement or a utility request was refused: sqlcode and tokens.
struct UtilityRefusal {
    int sqlcode = 0;
    std::vector<std::string> tokens;
};

// The rows a statement selects, with their columns.
struct SelectResult {
    std::vector<Column> columns;
    std::vector<Row> rows;
};

class SelectStatement {
  public:
    std::vector<std::string> columns;  // empty: every column
    std::string schema;                // empty: the default schema
    std::string table;
    std::string whereColumn;  // empty: no condition
    std::string whereOp;
    std::string whereLiteral;
    bool literalIsString = false;

    // False with `refusal` set (-104) when `text` is not such a statement.
    bool parse(std::string_view text, UtilityRefusal& refusal);
    // Runs it on the tables of a database; the table's rowsRead counter grows by the rows
    // looked at. False with `refusal` set: -204 unknown table, -206 unknown column, -104 a
    // literal that does not fit its column.
    bool run(DatabaseTables& tables, const std::string& defaultSchema, SelectResult& result,
             UtilityRefusal& refusal) const;
};

}  // namespace db2sim
