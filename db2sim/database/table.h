// A table of a database of the stand-in: columns, rows, indexes, its state and counters, and what
// the last load of it did. The rows keep the unique indexes true: insert and upsert refuse a row
// whose key a unique index already holds, and a NOT NULL column never holds a null.
//
// A table persists as one text file (serialize/parse); TableStore keeps the files.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "db2sim/database/column.h"

namespace db2sim {

struct Index {
    std::string schema;
    std::string name;
    std::vector<std::string> columns;  // column names, in key order
    bool unique = false;
};

// The table states db2LoadQuery reports (oTableState); a table may be in several at once.
namespace tablestate {
constexpr std::uint32_t kNormal = 0x0;
constexpr std::uint32_t kCheckPending = 0x1;
constexpr std::uint32_t kLoadInProgress = 0x2;
constexpr std::uint32_t kReadAccess = 0x4;
constexpr std::uint32_t kNotAvailable = 0x8;
constexpr std::uint32_t kNoLoadRestart = 0x10;
constexpr std::uint32_t kLoadPending = 0x40;
constexpr std::uint32_t kType1Indexes = 0x400;
}  // namespace tablestate

// A quiesce held on the table (the load's iHoldQuiesce, the table space quiesce of recovery).
enum class QuiesceMode { kNone, kShare, kIntentToUpdate, kExclusive };

// What the last load of the table did, as db2LoadQuery reports it.
struct LoadRecord {
    std::uint64_t rowsRead = 0;
    std::uint64_t rowsSkipped = 0;
    std::uint64_t rowsCommitted = 0;
    std::uint64_t rowsLoaded = 0;
    std::uint64_t rowsRejected = 0;
    std::uint64_t rowsDeleted = 0;
    std::uint32_t warnings = 0;
    std::uint32_t phase = 0;  // 0 none, 1 load, 2 build, 3 delete
    bool restarted = false;
    std::string messageFile;  // the load's message file, for db2LoadQuery's messages
};

// Row counters since the table was made (the monitor's table activity).
struct TableCounters {
    std::uint64_t rowsRead = 0;
    std::uint64_t rowsInserted = 0;
    std::uint64_t rowsUpdated = 0;
    std::uint64_t rowsDeleted = 0;
};

class Table {
  public:
    enum class Change { kInserted, kUpdated, kDuplicateKey, kNullNotAllowed, kWrongWidth };

    Table() = default;
    Table(std::string schema, std::string name, std::vector<Column> columns);

    // Upper-case names; the file and the catalogue use "SCHEMA.NAME".
    std::string schema;
    std::string name;
    std::string tablespace = "USERSPACE1";
    std::uint32_t state = tablestate::kNormal;
    QuiesceMode quiesce = QuiesceMode::kNone;
    std::string quiescer;  // authid holding the quiesce
    LoadRecord lastLoad;
    TableCounters counters;
    // Properties other areas keep with the table (statistics time, reorg...), persisted as they
    // are. Keys and values may hold any byte.
    std::map<std::string, std::string> more;

    std::string qualifiedName() const { return schema + "." + name; }

    const std::vector<Column>& columns() const { return columns_; }
    // Index of the column with that name (exact, upper case), or -1.
    int columnIndex(const std::string& column) const;

    const std::vector<Index>& indexes() const { return indexes_; }
    // Adds an index on existing columns; false when a column is unknown, the name is taken, or
    // it is unique and the rows already hold a key twice.
    bool addIndex(const Index& index);

    const std::vector<Row>& rows() const { return rows_; }
    // A row of canonical values (Column::normalize), one per column.
    Change insert(Row row);
    // Replaces the row with the same key of the first unique index, else inserts (INSERT_UPDATE).
    // A table without a unique index only inserts.
    Change upsert(Row row);
    // Removes every row; returns how many there were.
    std::uint64_t clearRows();

    // The file form and back. parse() gives false on a malformed file and leaves `table` alone.
    std::string serialize() const;
    static bool parse(const std::string& text, Table& table);

  private:
    Change check(const Row& row) const;
    // The row holding the key of `index` that `row` has, or -1. `skip` is not compared.
    long findKey(const Index& index, const Row& row, long skip = -1) const;
    std::vector<int> keyColumns(const Index& index) const;

    std::vector<Column> columns_;
    std::vector<Index> indexes_;
    std::vector<Row> rows_;
};

}  // namespace db2sim
