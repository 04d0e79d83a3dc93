// The stand-in's DEL and ASC readers. Input: a first line of file type modifiers, then the file.
// A DEL file read, written back field by field and read again gives the same records; every
// field normalised for each column type is stable (normalising the result changes nothing).
// The same text read as ASC with locations taken from its first bytes stays within its lines,
// and LOB location specifiers are parsed within bounds.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "db2sim/database/column.h"
#include "db2sim/datamove/delformat.h"
#include "db2sim/datamove/sourcefiles.h"

namespace {

std::string write(const db2sim::DelFormat& format, const std::vector<db2sim::DelRecord>& records) {
    std::string text;
    for (const db2sim::DelRecord& record : records) {
        for (size_t i = 0; i < record.fields.size(); ++i) {
            const db2sim::DelField& field = record.fields[i];
            text += i > 0 ? std::string(1, format.coldel) : std::string();
            text += field.delimited ? format.delimited(field.text) : field.text;
        }
        text += '\n';
    }
    return text;
}

const char* const kTypes[] = {"SMALLINT",  "INTEGER",        "BIGINT",  "DECIMAL(7,2)",
                              "CHAR(5)",   "VARCHAR(9)",     "DATE",    "TIME",
                              "TIMESTAMP", "DECIMAL(31,31)", "CLOB(10)"};

void checkNormalize(const std::string& text) {
    for (const char* type : kTypes) {
        db2sim::Column column;
        if (!column.setType(type)) {
            std::abort();
        }
        std::string once;
        std::string twice;
        if (column.normalize(text, once) == db2sim::Column::Fit::kInvalid) {
            continue;
        }
        if (column.normalize(once, twice) != db2sim::Column::Fit::kExact || once != twice) {
            std::abort();
        }
        column.setType(type);
        db2sim::DelFormat format;
        format.cell(column, db2sim::Cell(once));  // must not read out of bounds
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    size_t newline = input.find('\n');
    std::string modifiers = input.substr(0, newline == std::string::npos ? 0 : newline);
    std::string text = newline == std::string::npos ? input : input.substr(newline + 1);
    db2sim::DelFormat format;
    std::string bad;
    if (!format.setModifiers(modifiers, bad)) {
        format = db2sim::DelFormat();
    }
    std::vector<db2sim::DelRecord> records = format.read(text);
    std::vector<db2sim::DelRecord> again = format.read(write(format, records));
    if (again.size() != records.size()) {
        std::abort();
    }
    for (size_t r = 0; r < records.size(); ++r) {
        if (again[r].fields.size() != records[r].fields.size()) {
            std::abort();
        }
        for (size_t f = 0; f < records[r].fields.size(); ++f) {
            const db2sim::DelField& a = records[r].fields[f];
            const db2sim::DelField& b = again[r].fields[f];
            if (a.text != b.text || a.delimited != b.delimited) {
                std::abort();
            }
            if (r < 4 && f < 4) {
                checkNormalize(a.text);
            }
        }
    }
    if (size >= 4) {
        std::vector<sqllocpair> pairs{
            {static_cast<sqlint16>(data[0] % 40), static_cast<sqlint16>(data[1] % 40)},
            {static_cast<sqlint16>(data[2] % 40), static_cast<sqlint16>(data[3] % 80)}};
        bool usable = true;
        for (const sqllocpair& pair : pairs) {
            bool empty = pair.begin_loc == 0 && pair.end_loc == 0;
            usable = usable && (empty || (pair.begin_loc >= 1 && pair.end_loc >= pair.begin_loc));
        }
        if (usable) {
            db2sim::ascRecords(text, pairs, {0, static_cast<db2int32>(data[0] % 50)});
        }
    }
    std::optional<std::string> lob;
    db2sim::readLob({}, text, lob);
    return 0;
}
