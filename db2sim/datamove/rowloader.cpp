#include "db2sim/datamove/rowloader.h"

#include "db2sim/datamove/datamovecodes.h"
#include "db2sim/datamove/messagefile.h"

namespace db2sim {

void RowLoader::warn(int sqlcode, const std::vector<std::string>& tokens) {
    messages_.warn(sqlcode, tokens);
    ++counts_.warnings;
}

bool RowLoader::convert(int column, const std::optional<std::string>& field, Cell& cell) {
    const Column& target = table_.columns()[column];
    std::string columnNumber = std::to_string(column + 1);
    if (!field) {
        cell = Cell();
        if (!target.nullable) {
            warn(code::kValueMissing, {rowNumber(), columnNumber});
            return false;
        }
        return true;
    }
    std::string text = *field;
    if (target.type == ColumnType::kDecimal && options_.decpt != '.') {
        size_t point = text.find(options_.decpt);
        text = point == std::string::npos ? text : text.replace(point, 1, ".");
    }
    std::string value;
    switch (target.normalize(text, value)) {
        case Column::Fit::kExact:
            cell = value;
            return true;
        case Column::Fit::kTruncated:
            warn(code::kValueTruncated, {rowNumber(), columnNumber});
            cell = value;
            return true;
        case Column::Fit::kInvalid:
            break;
    }
    if (target.nullable) {
        warn(code::kValueNulled, {*field, rowNumber(), columnNumber});
        cell = Cell();
        return true;
    }
    warn(code::kValueRejected, {*field, rowNumber(), columnNumber});
    return false;
}

RowLoader::Built RowLoader::build(const SourceRecord& record, Row& row) {
    row.assign(table_.columns().size(), Cell());
    const std::vector<int>& targets = options_.targets;
    size_t count = targets.empty() ? row.size() : targets.size();
    for (size_t i = 0; i < count; ++i) {
        int column = targets.empty() ? static_cast<int>(i) : targets[i];
        size_t field = i;
        if (!options_.positions.empty()) {
            field = i < options_.positions.size() && options_.positions[i] > 0
                        ? static_cast<size_t>(options_.positions[i] - 1)
                        : record.size();
        }
        std::optional<std::string> value = field < record.size() ? record[field] : std::nullopt;
        if (value && options_.lob && table_.columns()[column].isLob() &&
            !options_.lob(*value, value)) {
            messages_.add(code::kOutputFileError, 'N', {"1", *record[field]});
            return Built::kLobUnreadable;
        }
        if (!convert(column, value, row[column])) {
            return Built::kRejected;
        }
    }
    for (size_t column = 0; column < row.size(); ++column) {
        if (!row[column] && !table_.columns()[column].nullable) {
            warn(code::kValueMissing, {rowNumber(), std::to_string(column + 1)});
            return Built::kRejected;
        }
    }
    return Built::kRow;
}

void RowLoader::apply(Row row) {
    bool update = options_.action == Action::kInsertUpdate;
    Table::Change change = update ? table_.upsert(row) : table_.insert(row);
    if (change == Table::Change::kInserted) {
        ++counts_.inserted;
    } else if (change == Table::Change::kUpdated) {
        ++counts_.updated;
    } else if (change == Table::Change::kDuplicateKey && options_.load) {
        ++counts_.inserted;  // loaded, then removed when the indexes are built
        ++counts_.deleted;
    } else {
        warn(code::kRowRejected, {std::to_string(code::kDuplicateKey), rowNumber()});
        ++counts_.rejected;
    }
}

void RowLoader::commitPoint() {
    if (options_.load) {
        messages_.add(code::kConsistencyPoint, 'W', {std::to_string(counts_.read)});
        messages_.add(code::kConsistencyDone, 'W');
    } else {
        messages_.add(code::kCommitBegins, 'W', {std::to_string(counts_.read)});
        messages_.add(code::kCommitDone, 'W');
    }
    counts_.committed = counts_.read;
    sinceCommit_ = 0;
}

RowLoader::Outcome RowLoader::run(const std::vector<SourceRecord>& records) {
    for (const SourceRecord& record : records) {
        if (options_.rowCount > 0 && counts_.read - counts_.skipped >= options_.rowCount) {
            break;
        }
        ++counts_.read;
        if (counts_.read <= options_.skipCount) {
            ++counts_.skipped;
            continue;
        }
        Row row;
        Built built = build(record, row);
        if (built == Built::kLobUnreadable) {
            return Outcome::kLobUnreadable;
        }
        if (built == Built::kRow) {
            apply(std::move(row));
        } else {
            ++counts_.rejected;
        }
        if (options_.warningLimit > 0 && counts_.warnings >= options_.warningLimit) {
            return Outcome::kTooManyWarnings;
        }
        if (options_.commitCount > 0 &&
            ++sinceCommit_ >= static_cast<std::uint64_t>(options_.commitCount)) {
            commitPoint();
        }
    }
    commitPoint();
    return Outcome::kDone;
}

}  // namespace db2sim
