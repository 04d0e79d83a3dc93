#include "db2sim/datamove/delformat.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace db2sim {
namespace {

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

bool startsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// Keywords DB2 knows that change nothing in the stand-in's model.
constexpr const char* kAccepted[] = {
    "norowwarnings",   "anyorder",        "fastparse",       "keepblanks",       "usedefaults",
    "identityignore",  "identitymissing", "generatedignore", "generatedmissing", "nodoubledel",
    "delprioritychar", "noeofchar",       "implieddecimal",  "indexfreespace",   "totalfreespace",
    "pagefreespace",   "compound",        "noheader",        "codepage",         "dumpfile",
};

bool accepted(const std::string& word) {
    for (const char* keyword : kAccepted) {
        if (word == keyword || (startsWith(word, keyword) && word[std::strlen(keyword)] == '=')) {
            return true;
        }
    }
    return false;
}

bool forbiddenDelimiter(char c) {
    return c == '\0' || c == ' ' || c == '\n' || c == '\r';
}

// The decimal form of a canonical DECIMAL value with every digit of its precision.
std::string fullDecimal(const Column& column, const std::string& value, const DelFormat& format) {
    bool negative = !value.empty() && value[0] == '-';
    std::string digits = negative ? value.substr(1) : value;
    size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : digits.substr(point + 1);
    size_t wholeWidth = static_cast<size_t>(column.length - column.scale);
    if (format.striplzeros) {
        whole = whole == "0" && !fraction.empty() ? "" : whole;
    } else if (whole.size() < wholeWidth) {
        whole.insert(0, wholeWidth - whole.size(), '0');
    }
    std::string sign = negative ? "-" : format.decplusblank ? " " : "+";
    return sign + whole + (column.scale > 0 ? std::string(1, format.decpt) + fraction : "");
}

}  // namespace

bool DelFormat::setDelimiter(std::string_view word, size_t keyword, char& target) {
    std::string_view rest = word.substr(keyword);
    if (rest.size() == 1) {
        target = rest[0];
        return true;
    }
    if (rest.size() == 4 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X') &&
        std::isxdigit(static_cast<unsigned char>(rest[2])) &&
        std::isxdigit(static_cast<unsigned char>(rest[3]))) {
        target = static_cast<char>(std::strtol(std::string(rest.substr(2)).c_str(), nullptr, 16));
        return true;
    }
    return false;
}

bool DelFormat::setModifiers(std::string_view text, std::string& bad) {
    size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == ' ') {
            ++pos;
            continue;
        }
        size_t end = pos;
        // A delimiter keyword takes the next character whatever it is, even a blank.
        std::string head = lower(text.substr(pos, 7));
        size_t keyword = startsWith(head, "coldel")    ? 6
                         : startsWith(head, "chardel") ? 7
                         : startsWith(head, "decpt")   ? 5
                                                       : 0;
        end = keyword > 0 && pos + keyword < text.size() && text[pos + keyword] == ' '
                  ? pos + keyword + 1
                  : text.find(' ', pos);
        end = end == std::string_view::npos ? text.size() : end;
        std::string_view word = text.substr(pos, end - pos);
        std::string name = lower(word);
        bool ok = startsWith(name, "coldel")    ? setDelimiter(word, 6, coldel)
                  : startsWith(name, "chardel") ? setDelimiter(word, 7, chardel)
                  : startsWith(name, "decpt")   ? setDelimiter(word, 5, decpt)
                  : name == "nochardel"         ? (nochardel = true)
                  : name == "striplzeros"       ? (striplzeros = true)
                  : name == "decplusblank"      ? (decplusblank = true)
                  : name == "datesiso"          ? (datesiso = true)
                  : name == "lobsinfile"        ? (lobsinfile = true)
                                                : accepted(name);
        if (!ok) {
            bad = std::string(word);
            return false;
        }
        pos = end;
    }
    if (forbiddenDelimiter(coldel) || forbiddenDelimiter(chardel) || forbiddenDelimiter(decpt) ||
        coldel == chardel || coldel == decpt || chardel == decpt) {
        bad = std::string(1, coldel) + std::string(1, chardel) + std::string(1, decpt);
        return false;
    }
    return true;
}

std::vector<DelRecord> DelFormat::read(std::string_view text) const {
    std::vector<DelRecord> records;
    if (!text.empty() && text.back() == '\x1a') {
        text.remove_suffix(1);  // DOS end-of-file mark
    }
    std::uint64_t line = 1;
    size_t pos = 0;
    while (pos < text.size()) {
        DelRecord record;
        record.line = line;
        bool endOfRecord = false;
        while (!endOfRecord) {
            DelField field;
            while (pos < text.size() && text[pos] == ' ') {
                ++pos;
            }
            if (!nochardel && pos < text.size() && text[pos] == chardel) {
                field.delimited = true;
                for (++pos; pos < text.size(); ++pos) {
                    if (text[pos] == chardel) {
                        if (pos + 1 < text.size() && text[pos + 1] == chardel) {
                            field.text += chardel;
                            ++pos;
                            continue;
                        }
                        ++pos;
                        break;
                    }
                    line += text[pos] == '\n' ? 1 : 0;
                    field.text += text[pos];
                }
            }
            size_t start = pos;
            while (pos < text.size() && text[pos] != coldel && text[pos] != '\n') {
                ++pos;
            }
            std::string_view rest = text.substr(start, pos - start);
            while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\r')) {
                rest.remove_suffix(1);
            }
            field.text += std::string(rest);
            record.fields.push_back(std::move(field));
            endOfRecord = pos >= text.size() || text[pos] == '\n';
            line += pos < text.size() && text[pos] == '\n' ? 1 : 0;
            ++pos;
        }
        records.push_back(std::move(record));
    }
    return records;
}

std::string DelFormat::delimited(std::string_view text) const {
    if (nochardel) {
        return std::string(text);
    }
    std::string out(1, chardel);
    for (char c : text) {
        out += c;
        if (c == chardel) {
            out += c;
        }
    }
    return out + chardel;
}

std::string DelFormat::cell(const Column& column, const Cell& value) const {
    if (!value) {
        return std::string();
    }
    switch (column.type) {
        case ColumnType::kDecimal:
            return fullDecimal(column, *value, *this);
        case ColumnType::kSmallint:
        case ColumnType::kInteger:
        case ColumnType::kBigint:
            return *value;
        case ColumnType::kDate:
            if (datesiso) {
                return *value;
            }
            return value->substr(0, 4) + value->substr(5, 2) + value->substr(8, 2);
        default:
            return delimited(*value);
    }
}

std::string DelFormat::fieldText(const Column& column, const DelField& field) const {
    if (column.type != ColumnType::kDecimal || decpt == '.') {
        return field.text;
    }
    std::string text = field.text;
    size_t point = text.find(decpt);
    if (point != std::string::npos) {
        text[point] = '.';
    }
    return text;
}

}  // namespace db2sim
