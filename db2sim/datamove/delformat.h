// Delimited ASCII (DEL) files: the modifiers that shape them, reading records and writing rows.
//
// A record is a line of fields separated by the column delimiter (default ','); a field in
// character delimiters (default '"') may hold the column delimiter and line ends, and a doubled
// character delimiter stands for one. An empty field without character delimiters is null.
// Numbers use the decimal point character (default '.'); DECIMAL values are written with their
// sign and all their digits ("+00612.45"), DATE values as yyyymmdd (ISO with datesiso).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "db2sim/database/column.h"

namespace db2sim {

struct DelField {
    std::string text;
    bool delimited = false;  // it was in character delimiters
};

struct DelRecord {
    std::vector<DelField> fields;
    std::uint64_t line = 0;  // where it starts, from 1
};

class DelFormat {
  public:
    char coldel = ',';
    char chardel = '"';
    char decpt = '.';
    bool nochardel = false;
    bool striplzeros = false;
    bool decplusblank = false;
    bool datesiso = false;
    bool lobsinfile = false;

    // Reads a file type modifier text ("coldel; chardel' lobsinfile"): keywords separated by
    // blanks, a delimiter given as the character after the keyword or as 0xNN. Keywords the
    // stand-in accepts without acting on them pass. False with `bad` set to the keyword that is
    // not understood or a delimiter that is not allowed (blank, line end, NUL, or one character
    // used twice).
    bool setModifiers(std::string_view text, std::string& bad);

    // Every record of `text`. A final line end does not start a record.
    std::vector<DelRecord> read(std::string_view text) const;

    // One cell in the file's form, for a column; `lob` is the LOB location text that stands
    // for a LOB value when lobsinfile is set (the caller wrote the value to a LOB file).
    std::string cell(const Column& column, const Cell& value) const;
    // The character-delimited form of `text`.
    std::string delimited(std::string_view text) const;
    // A field read from a file as the column's canonical input: the decimal point character
    // becomes '.', and a DATE in yyyymmdd form stays readable by Column::normalize.
    std::string fieldText(const Column& column, const DelField& field) const;

  private:
    bool setDelimiter(std::string_view word, size_t keyword, char& target);
};

}  // namespace db2sim
