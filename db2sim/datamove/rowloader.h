// Puts records read from a file or a cursor into a table, the part import and load share:
// field selection, conversion to the columns' types, the action's rules, row counts and the
// message lines of rows that were changed or refused.
//
// A field reaches a column as text: from a DEL or ASC file as it was written, from a cursor as
// the canonical value. Method D takes field i for target column i, P the fields at the listed
// positions (from 1), L (ASC) the byte ranges of each line.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "db2sim/database/table.h"
#include "db2sim/datamove/actionstring.h"

namespace db2sim {

class MessageFile;

using SourceRecord = std::vector<std::optional<std::string>>;  // a missing value is null

struct LoadCounts {
    std::uint64_t read = 0;
    std::uint64_t skipped = 0;
    std::uint64_t inserted = 0;  // load: loaded
    std::uint64_t updated = 0;
    std::uint64_t rejected = 0;
    std::uint64_t deleted = 0;  // load: duplicates removed after the load phase
    std::uint64_t committed = 0;
    std::uint32_t warnings = 0;
};

struct RowLoaderOptions {
    Action action = Action::kInsert;
    bool load = false;               // duplicates are loaded, then deleted
    std::vector<int> targets;        // target columns in field order; empty: every column
    std::vector<int> positions;      // method P: a field position (from 1) per target column
    std::uint64_t rowCount = 0;      // records to take after the skipped ones; 0: all
    std::uint64_t skipCount = 0;     // records to skip first (restart count, skip count)
    std::int64_t commitCount = 0;    // a commit every n rows; 0 or less: at the end
    std::uint32_t warningLimit = 0;  // stop once this many warnings were given; 0: never
    char decpt = '.';                // the file's decimal point character
    // Turns a LOB field into the LOB's bytes (lobsinfile); false when it cannot be read.
    std::function<bool(const std::string& field, std::optional<std::string>& value)> lob;
};

class RowLoader {
  public:
    enum class Outcome { kDone, kTooManyWarnings, kLobUnreadable };

    RowLoader(Table& table, const RowLoaderOptions& options, MessageFile& messages)
        : table_(table), options_(options), messages_(messages) {}

    // Takes the records in order; counts grow as they go.
    Outcome run(const std::vector<SourceRecord>& records);
    const LoadCounts& counts() const { return counts_; }

  private:
    enum class Built { kRow, kRejected, kLobUnreadable };

    Built build(const SourceRecord& record, Row& row);
    bool convert(int column, const std::optional<std::string>& field, Cell& cell);
    void apply(Row row);
    void warn(int sqlcode, const std::vector<std::string>& tokens);
    void commitPoint();
    std::string rowNumber() const { return std::to_string(counts_.read); }

    Table& table_;
    const RowLoaderOptions& options_;
    MessageFile& messages_;
    LoadCounts counts_;
    std::uint64_t sinceCommit_ = 0;
};

}  // namespace db2sim
