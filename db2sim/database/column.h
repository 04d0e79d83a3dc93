// A column of a table: its name, type, length and nullability, and the one form every value of it
// is kept in. Values are kept as text in a canonical form, so files, comparisons and the journal
// all see the same thing:
//   SMALLINT, INTEGER, BIGINT  "-12", "0", "30000"           (no plus, no leading zeros)
//   DECIMAL(p,s)               "612.45", "-0.50", "7"       (exactly s digits after the point)
//   CHAR(n)                    padded with blanks to n bytes
//   VARCHAR(n), CLOB(n), BLOB(n) the bytes as they are, at most n
//   DATE "1995-01-31", TIME "12.30.00", TIMESTAMP "1995-01-31-12.30.00.000000"
// A null value is an empty Cell.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace db2sim {

enum class ColumnType {
    kSmallint,
    kInteger,
    kBigint,
    kDecimal,
    kChar,
    kVarchar,
    kDate,
    kTime,
    kTimestamp,
    kClob,
    kBlob,
};

using Cell = std::optional<std::string>;
using Row = std::vector<Cell>;

struct Column {
    // How a text fits a column: as it is (after normalising), cut to the column's length, or
    // not at all (not a number, out of range, not a date...).
    enum class Fit { kExact, kTruncated, kInvalid };

    std::string name;
    ColumnType type = ColumnType::kInteger;
    int length = 0;  // CHAR, VARCHAR, CLOB, BLOB: bytes; DECIMAL: precision
    int scale = 0;   // DECIMAL only
    bool nullable = true;

    // "SMALLINT", "DECIMAL(7,2)", "VARCHAR(14)"...
    std::string typeText() const;
    // Reads typeText()'s form (any case, blanks around the parts allowed) into type, length
    // and scale; false when it is not one. A bare CHAR is CHAR(1), a bare DECIMAL DECIMAL(5,0).
    bool setType(std::string_view text);

    // The canonical form of `text` for this column (see above).
    Fit normalize(std::string_view text, std::string& value) const;

    bool isNumeric() const;
    bool isCharacter() const;  // CHAR, VARCHAR, CLOB: delimited in DEL files
    bool isLob() const;
    bool isDateTime() const;
};

}  // namespace db2sim
