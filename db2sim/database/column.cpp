#include "db2sim/database/column.h"

#include <cctype>
#include <cstdlib>

namespace db2sim {
namespace {

struct TypeName {
    ColumnType type;
    const char* name;
    int defaultLength;  // -1: the type takes no length
};

constexpr TypeName kTypes[] = {
    {ColumnType::kSmallint, "SMALLINT", -1},
    {ColumnType::kInteger, "INTEGER", -1},
    {ColumnType::kBigint, "BIGINT", -1},
    {ColumnType::kDecimal, "DECIMAL", 5},
    {ColumnType::kChar, "CHAR", 1},
    {ColumnType::kVarchar, "VARCHAR", 0},
    {ColumnType::kDate, "DATE", -1},
    {ColumnType::kTime, "TIME", -1},
    {ColumnType::kTimestamp, "TIMESTAMP", -1},
    {ColumnType::kClob, "CLOB", 1048576},
    {ColumnType::kBlob, "BLOB", 1048576},
};

constexpr int kMaxCharLength = 254;
constexpr int kMaxVarcharLength = 32672;
constexpr int kMaxLobLength = 2147483647;
constexpr int kMaxPrecision = 31;

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

bool allDigits(std::string_view text) {
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

// A small unsigned number of at most 10 digits; -1 when it is not one.
long smallNumber(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty() || text.size() > 10 || !allDigits(text)) {
        return -1;
    }
    return std::strtol(std::string(text).c_str(), nullptr, 10);
}

std::string stripZeros(std::string_view digits) {
    size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? "0" : std::string(digits.substr(first));
}

// Sign and digits of an integer text: "+0012" -> ("", "12").
bool splitSign(std::string_view& text, bool& negative) {
    negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    return !text.empty();
}

Column::Fit normalizeInteger(std::string_view text, int digitsMax, const char* limit,
                             std::string& value) {
    text = trimBlanks(text);
    bool negative = false;
    if (!splitSign(text, negative) || !allDigits(text)) {
        return Column::Fit::kInvalid;
    }
    std::string digits = stripZeros(text);
    std::string bound = limit;  // the largest magnitude, "32767"; the negative side is one more
    if (negative && bound.back() != '9') {
        bound.back() = static_cast<char>(bound.back() + 1);
    }
    if (static_cast<int>(digits.size()) > digitsMax ||
        (static_cast<int>(digits.size()) == digitsMax && digits > bound)) {
        return Column::Fit::kInvalid;
    }
    value = (negative && digits != "0" ? "-" : "") + digits;
    return Column::Fit::kExact;
}

Column::Fit normalizeDecimal(std::string_view text, int precision, int scale, std::string& value) {
    text = trimBlanks(text);
    bool negative = false;
    if (!splitSign(text, negative)) {
        return Column::Fit::kInvalid;
    }
    size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if ((whole.empty() && fraction.empty()) || !allDigits(whole) || !allDigits(fraction)) {
        return Column::Fit::kInvalid;
    }
    std::string integer = stripZeros(whole);
    if (integer != "0" && static_cast<int>(integer.size()) > precision - scale) {
        return Column::Fit::kInvalid;
    }
    Column::Fit fit = Column::Fit::kExact;
    std::string digits(fraction);
    if (static_cast<int>(digits.size()) > scale) {
        if (digits.find_first_not_of('0', static_cast<size_t>(scale)) != std::string::npos) {
            fit = Column::Fit::kTruncated;
        }
        digits.resize(static_cast<size_t>(scale));
    }
    digits.append(static_cast<size_t>(scale) - digits.size(), '0');
    bool zero = integer == "0" && digits.find_first_not_of('0') == std::string::npos;
    value = (negative && !zero ? "-" : "") + integer + (scale > 0 ? "." + digits : "");
    return fit;
}

// Two-digit (or four-digit) fields of a date or time, each within [low, high].
bool field(std::string_view text, size_t pos, size_t width, int low, int high, int& out) {
    if (pos + width > text.size() || !allDigits(text.substr(pos, width))) {
        return false;
    }
    out = std::atoi(std::string(text.substr(pos, width)).c_str());
    return out >= low && out <= high;
}

bool leapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysIn(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : kDays[month - 1];
}

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string fourDigits(int n) {
    std::string text = std::to_string(n);
    return std::string(4 - text.size(), '0') + text;
}

// "YYYY-MM-DD" or "YYYYMMDD" at the start of `text`; `used` gets its length.
bool parseDate(std::string_view text, std::string& value, size_t& used) {
    bool dashes = text.size() >= 10 && text[4] == '-' && text[7] == '-';
    size_t monthAt = dashes ? 5 : 4;
    size_t dayAt = dashes ? 8 : 6;
    int year = 0;
    int month = 0;
    int day = 0;
    if (!field(text, 0, 4, 1, 9999, year) || !field(text, monthAt, 2, 1, 12, month) ||
        !field(text, dayAt, 2, 1, 31, day) || day > daysIn(year, month)) {
        return false;
    }
    used = dayAt + 2;
    value = fourDigits(year) + "-" + twoDigits(month) + "-" + twoDigits(day);
    return true;
}

// "HH.MM.SS" or "HH:MM:SS" at the start of `text`.
bool parseTime(std::string_view text, std::string& value) {
    if (text.size() < 8 || (text[2] != '.' && text[2] != ':') || text[5] != text[2]) {
        return false;
    }
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (!field(text, 0, 2, 0, 24, hour) || !field(text, 3, 2, 0, 59, minute) ||
        !field(text, 6, 2, 0, 59, second)) {
        return false;
    }
    value = twoDigits(hour) + "." + twoDigits(minute) + "." + twoDigits(second);
    return true;
}

Column::Fit normalizeTimestamp(std::string_view text, std::string& value) {
    std::string date;
    std::string time;
    size_t used = 0;
    if (!parseDate(text, date, used) || text.size() < used + 9 ||
        (text[used] != '-' && text[used] != ' ' && text[used] != 'T') ||
        !parseTime(text.substr(used + 1, 8), time)) {
        return Column::Fit::kInvalid;
    }
    std::string_view rest = text.substr(used + 9);
    std::string micros;
    if (!rest.empty()) {
        if (rest.front() != '.' || rest.size() > 13 || !allDigits(rest.substr(1))) {
            return Column::Fit::kInvalid;
        }
        micros = std::string(rest.substr(1));
    }
    Column::Fit fit = micros.size() > 6 ? Column::Fit::kTruncated : Column::Fit::kExact;
    micros.resize(6, '0');
    value = date + "-" + time + "." + micros;
    return fit;
}

Column::Fit normalizeText(std::string_view text, int length, bool pad, std::string& value) {
    Column::Fit fit = Column::Fit::kExact;
    if (text.size() > static_cast<size_t>(length)) {
        std::string_view excess = text.substr(static_cast<size_t>(length));
        fit = excess.find_first_not_of(' ') == std::string_view::npos ? Column::Fit::kExact
                                                                      : Column::Fit::kTruncated;
        text = text.substr(0, static_cast<size_t>(length));
    }
    value = std::string(text);
    if (pad) {
        value.append(static_cast<size_t>(length) - value.size(), ' ');
    }
    return fit;
}

}  // namespace

std::string Column::typeText() const {
    for (const TypeName& entry : kTypes) {
        if (entry.type != type) {
            continue;
        }
        std::string text = entry.name;
        if (type == ColumnType::kDecimal) {
            return text + "(" + std::to_string(length) + "," + std::to_string(scale) + ")";
        }
        return entry.defaultLength < 0 ? text : text + "(" + std::to_string(length) + ")";
    }
    return "UNKNOWN";
}

bool Column::setType(std::string_view text) {
    text = trimBlanks(text);
    size_t open = text.find('(');
    std::string word;
    for (char c : trimBlanks(text.substr(0, open))) {
        word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (word == "INT") {
        word = "INTEGER";
    } else if (word == "DEC" || word == "NUMERIC") {
        word = "DECIMAL";
    } else if (word == "CHARACTER") {
        word = "CHAR";
    }
    const TypeName* found = nullptr;
    for (const TypeName& entry : kTypes) {
        found = word == entry.name ? &entry : found;
    }
    if (found == nullptr) {
        return false;
    }
    long first = found->defaultLength;
    long second = 0;
    if (open != std::string_view::npos) {
        if (found->defaultLength < 0 || text.back() != ')') {
            return false;
        }
        std::string_view inside = text.substr(open + 1, text.size() - open - 2);
        size_t comma = inside.find(',');
        if (comma != std::string_view::npos && found->type != ColumnType::kDecimal) {
            return false;
        }
        first = smallNumber(inside.substr(0, comma));
        second = comma == std::string_view::npos ? 0 : smallNumber(inside.substr(comma + 1));
    }
    long maxLength = found->type == ColumnType::kChar      ? kMaxCharLength
                     : found->type == ColumnType::kVarchar ? kMaxVarcharLength
                     : found->type == ColumnType::kDecimal ? kMaxPrecision
                                                           : kMaxLobLength;
    bool sized = found->defaultLength >= 0;
    if (sized && (first < 1 || first > maxLength || second < 0 || second > first)) {
        return false;
    }
    type = found->type;
    length = sized ? static_cast<int>(first) : 0;
    scale = static_cast<int>(second);
    return true;
}

Column::Fit Column::normalize(std::string_view text, std::string& value) const {
    switch (type) {
        case ColumnType::kSmallint:
            return normalizeInteger(text, 5, "32767", value);
        case ColumnType::kInteger:
            return normalizeInteger(text, 10, "2147483647", value);
        case ColumnType::kBigint:
            return normalizeInteger(text, 19, "9223372036854775807", value);
        case ColumnType::kDecimal:
            return normalizeDecimal(text, length, scale, value);
        case ColumnType::kChar:
            return normalizeText(text, length, true, value);
        case ColumnType::kVarchar:
        case ColumnType::kClob:
        case ColumnType::kBlob:
            return normalizeText(text, length, false, value);
        case ColumnType::kDate: {
            size_t used = 0;
            text = trimBlanks(text);
            return parseDate(text, value, used) && used == text.size() ? Fit::kExact
                                                                       : Fit::kInvalid;
        }
        case ColumnType::kTime:
            text = trimBlanks(text);
            return text.size() == 8 && parseTime(text, value) ? Fit::kExact : Fit::kInvalid;
        case ColumnType::kTimestamp:
            return normalizeTimestamp(trimBlanks(text), value);
    }
    return Fit::kInvalid;
}

bool Column::isNumeric() const {
    return type == ColumnType::kSmallint || type == ColumnType::kInteger ||
           type == ColumnType::kBigint || type == ColumnType::kDecimal;
}

bool Column::isCharacter() const {
    return type == ColumnType::kChar || type == ColumnType::kVarchar || type == ColumnType::kClob;
}

bool Column::isLob() const {
    return type == ColumnType::kClob || type == ColumnType::kBlob;
}

bool Column::isDateTime() const {
    return type == ColumnType::kDate || type == ColumnType::kTime || type == ColumnType::kTimestamp;
}

}  // namespace db2sim
