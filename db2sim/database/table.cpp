#include "db2sim/database/table.h"

#include <cstdlib>
#include <set>
#include <sstream>

#include "db2sim/core/fieldescape.h"

namespace db2sim {
namespace {

constexpr const char* kNull = "\\N";

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

bool number(const std::string& text, std::uint64_t& value) {
    if (text.empty() || text.size() > 20 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    value = std::strtoull(text.c_str(), nullptr, 10);
    return true;
}

template <class T>
bool smallNumber(const std::string& text, T& value) {
    std::uint64_t wide = 0;
    if (!number(text, wide) || wide > static_cast<std::uint64_t>(static_cast<T>(~T(0)) >> 1)) {
        return false;
    }
    value = static_cast<T>(wide);
    return true;
}

std::string joinNames(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& name : names) {
        out += (out.empty() ? "" : ",") + name;
    }
    return out;
}

std::vector<std::string> splitNames(const std::string& text) {
    std::vector<std::string> names;
    std::istringstream in(text);
    for (std::string name; std::getline(in, name, ',');) {
        names.push_back(name);
    }
    return names;
}

// Reads one line of a table file into `table`; false when it is malformed.
class LineReader {
  public:
    explicit LineReader(Table& table, std::vector<Column>& columns, std::vector<Index>& indexes,
                        std::vector<Row>& rows)
        : table_(table), columns_(columns), indexes_(indexes), rows_(rows) {}

    bool read(const std::vector<std::string>& f) {
        const std::string& kind = f[0];
        if (kind == "table" && f.size() == 7) {
            return readTable(f);
        }
        if (kind == "column" && f.size() == 4) {
            Column column;
            column.name = unescapeField(f[1]);
            column.nullable = f[3] == "Y";
            columns_.push_back(column);
            return columns_.back().setType(f[2]) && (f[3] == "Y" || f[3] == "N");
        }
        if (kind == "index" && f.size() == 5) {
            indexes_.push_back(Index{unescapeField(f[1]), unescapeField(f[2]),
                                     splitNames(unescapeField(f[4])), f[3] == "Y"});
            return true;
        }
        if (kind == "load" && f.size() == 11) {
            return readLoad(f);
        }
        if (kind == "counters" && f.size() == 5) {
            TableCounters& c = table_.counters;
            return number(f[1], c.rowsRead) && number(f[2], c.rowsInserted) &&
                   number(f[3], c.rowsUpdated) && number(f[4], c.rowsDeleted);
        }
        if (kind == "more" && f.size() == 3) {
            table_.more[unescapeField(f[1])] = unescapeField(f[2]);
            return true;
        }
        if (kind == "row" && f.size() == columns_.size() + 1) {
            Row row;
            for (size_t i = 1; i < f.size(); ++i) {
                row.push_back(f[i] == kNull ? Cell() : Cell(unescapeField(f[i])));
            }
            rows_.push_back(std::move(row));
            return true;
        }
        return false;
    }

  private:
    bool readTable(const std::vector<std::string>& f) {
        table_.schema = unescapeField(f[1]);
        table_.name = unescapeField(f[2]);
        table_.tablespace = unescapeField(f[3]);
        table_.quiescer = unescapeField(f[6]);
        unsigned mode = 0;
        if (!smallNumber(f[5], mode) || mode > static_cast<unsigned>(QuiesceMode::kExclusive)) {
            return false;
        }
        table_.quiesce = static_cast<QuiesceMode>(mode);
        return smallNumber(f[4], table_.state);
    }

    bool readLoad(const std::vector<std::string>& f) {
        LoadRecord& load = table_.lastLoad;
        unsigned restarted = 0;
        bool ok = number(f[1], load.rowsRead) && number(f[2], load.rowsSkipped) &&
                  number(f[3], load.rowsCommitted) && number(f[4], load.rowsLoaded) &&
                  number(f[5], load.rowsRejected) && number(f[6], load.rowsDeleted) &&
                  smallNumber(f[7], load.warnings) && smallNumber(f[8], load.phase) &&
                  smallNumber(f[9], restarted);
        load.restarted = restarted != 0;
        load.messageFile = unescapeField(f[10]);
        return ok;
    }

    Table& table_;
    std::vector<Column>& columns_;
    std::vector<Index>& indexes_;
    std::vector<Row>& rows_;
};

}  // namespace

Table::Table(std::string schemaName, std::string tableName, std::vector<Column> columns)
    : schema(std::move(schemaName)), name(std::move(tableName)), columns_(std::move(columns)) {}

int Table::columnIndex(const std::string& column) const {
    for (size_t i = 0; i < columns_.size(); ++i) {
        if (columns_[i].name == column) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::vector<int> Table::keyColumns(const Index& index) const {
    std::vector<int> key;
    for (const std::string& column : index.columns) {
        key.push_back(columnIndex(column));
    }
    return key;
}

bool Table::addIndex(const Index& index) {
    if (index.columns.empty()) {
        return false;
    }
    for (const Index& existing : indexes_) {
        if (existing.schema == index.schema && existing.name == index.name) {
            return false;
        }
    }
    for (int column : keyColumns(index)) {
        if (column < 0) {
            return false;
        }
    }
    if (index.unique) {
        for (size_t i = 0; i < rows_.size(); ++i) {
            if (findKey(index, rows_[i], static_cast<long>(i)) >= 0) {
                return false;
            }
        }
    }
    indexes_.push_back(index);
    return true;
}

long Table::findKey(const Index& index, const Row& row, long skip) const {
    std::vector<int> key = keyColumns(index);
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (static_cast<long>(i) == skip) {
            continue;
        }
        bool same = true;
        for (int column : key) {
            same = same && rows_[i][column] == row[column];
        }
        if (same) {
            return static_cast<long>(i);
        }
    }
    return -1;
}

Table::Change Table::check(const Row& row) const {
    if (row.size() != columns_.size()) {
        return Change::kWrongWidth;
    }
    for (size_t i = 0; i < row.size(); ++i) {
        if (!row[i] && !columns_[i].nullable) {
            return Change::kNullNotAllowed;
        }
    }
    return Change::kInserted;
}

Table::Change Table::insert(Row row) {
    Change change = check(row);
    if (change != Change::kInserted) {
        return change;
    }
    for (const Index& index : indexes_) {
        if (index.unique && findKey(index, row) >= 0) {
            return Change::kDuplicateKey;
        }
    }
    rows_.push_back(std::move(row));
    ++counters.rowsInserted;
    return Change::kInserted;
}

Table::Change Table::upsert(Row row) {
    Change change = check(row);
    const Index* primary = nullptr;
    for (const Index& index : indexes_) {
        primary = primary == nullptr && index.unique ? &index : primary;
    }
    if (change != Change::kInserted || primary == nullptr) {
        return change != Change::kInserted ? change : insert(std::move(row));
    }
    long match = findKey(*primary, row);
    if (match < 0) {
        return insert(std::move(row));
    }
    for (const Index& index : indexes_) {
        if (index.unique && &index != primary && findKey(index, row, match) >= 0) {
            return Change::kDuplicateKey;
        }
    }
    rows_[static_cast<size_t>(match)] = std::move(row);
    ++counters.rowsUpdated;
    return Change::kUpdated;
}

std::uint64_t Table::clearRows() {
    std::uint64_t count = rows_.size();
    rows_.clear();
    counters.rowsDeleted += count;
    return count;
}

std::string Table::serialize() const {
    std::ostringstream out;
    out << "table\t" << escapeField(schema) << '\t' << escapeField(name) << '\t'
        << escapeField(tablespace) << '\t' << state << '\t' << static_cast<unsigned>(quiesce)
        << '\t' << escapeField(quiescer) << '\n';
    for (const Column& column : columns_) {
        out << "column\t" << escapeField(column.name) << '\t' << column.typeText() << '\t'
            << (column.nullable ? 'Y' : 'N') << '\n';
    }
    for (const Index& index : indexes_) {
        out << "index\t" << escapeField(index.schema) << '\t' << escapeField(index.name) << '\t'
            << (index.unique ? 'Y' : 'N') << '\t' << escapeField(joinNames(index.columns)) << '\n';
    }
    const LoadRecord& l = lastLoad;
    out << "load\t" << l.rowsRead << '\t' << l.rowsSkipped << '\t' << l.rowsCommitted << '\t'
        << l.rowsLoaded << '\t' << l.rowsRejected << '\t' << l.rowsDeleted << '\t' << l.warnings
        << '\t' << l.phase << '\t' << (l.restarted ? 1 : 0) << '\t' << escapeField(l.messageFile)
        << '\n';
    out << "counters\t" << counters.rowsRead << '\t' << counters.rowsInserted << '\t'
        << counters.rowsUpdated << '\t' << counters.rowsDeleted << '\n';
    for (const auto& [key, value] : more) {
        out << "more\t" << escapeField(key) << '\t' << escapeField(value) << '\n';
    }
    for (const Row& row : rows_) {
        out << "row";
        for (const Cell& cell : row) {
            out << '\t' << (cell ? escapeField(*cell) : kNull);
        }
        out << '\n';
    }
    return out.str();
}

bool Table::parse(const std::string& text, Table& table) {
    Table read;
    LineReader reader(read, read.columns_, read.indexes_, read.rows_);
    std::istringstream in(text);
    bool headed = false;
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields = splitTabs(line);
        if ((fields[0] == "table") == headed || !reader.read(fields)) {
            return false;
        }
        headed = true;
    }
    if (!headed || read.columns_.empty()) {
        return false;
    }
    for (const Row& row : read.rows_) {
        if (read.check(row) != Change::kInserted) {
            return false;
        }
        for (size_t i = 0; i < row.size(); ++i) {
            std::string canonical;
            if (row[i] && (read.columns_[i].normalize(*row[i], canonical) != Column::Fit::kExact ||
                           canonical != *row[i])) {
                return false;  // every value is kept in its column's canonical form
            }
        }
    }
    for (const Index& index : read.indexes_) {
        for (int column : read.keyColumns(index)) {
            if (column < 0) {
                return false;
            }
        }
    }
    table = std::move(read);
    return true;
}

}  // namespace db2sim
