#include "db2sim/maintenance/bindfile.h"

#include <cctype>

namespace db2sim {
namespace {

constexpr const char* kMagic = "DB2SIM BIND 1";
constexpr std::size_t kMaxPackage = 8;
constexpr std::size_t kMaxSchema = 128;
constexpr std::size_t kMaxText = 4096;  // program file and version lines

bool validName(const std::string& name, std::size_t longest) {
    if (name.empty() || name.size() > longest ||
        std::isdigit(static_cast<unsigned char>(name[0])) != 0) {
        return false;
    }
    for (unsigned char c : name) {
        if (std::isalnum(c) == 0 && c != '@' && c != '#' && c != '$' && c != '_') {
            return false;
        }
    }
    return true;
}

// Reads the file line by line; every read checks what it finds.
class Reader {
  public:
    explicit Reader(const std::string& text) : text(text) {}

    // The next line without its "\n"; false at the end or when the line has no "\n".
    bool line(std::string& out) {
        const std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) {
            return false;
        }
        out = text.substr(pos, end - pos);
        pos = end + 1;
        return true;
    }

    // A line "<key> <value>"; the value may be empty only when `emptyOk`.
    bool field(const std::string& key, std::string& value, bool emptyOk = true) {
        std::string read;
        if (!line(read) || read.compare(0, key.size() + 1, key + " ") != 0) {
            return false;
        }
        value = read.substr(key.size() + 1);
        return (emptyOk || !value.empty()) && value.size() <= kMaxText;
    }

    // A decimal number of at most `highest`, digits only.
    static bool number(const std::string& text, std::size_t highest, std::size_t& out) {
        // Written the one way serialize() writes it: no sign, no leading zero.
        if (text.empty() || text.size() > 10 || (text.size() > 1 && text[0] == '0')) {
            return false;
        }
        unsigned long long value = 0;
        for (unsigned char c : text) {
            if (std::isdigit(c) == 0) {
                return false;
            }
            value = value * 10 + (c - '0');
        }
        if (value > highest) {
            return false;
        }
        out = static_cast<std::size_t>(value);
        return true;
    }

    // "<length>:<statement>\n".
    bool statement(std::string& out) {
        const std::size_t colon = text.find(':', pos);
        std::size_t length = 0;
        if (colon == std::string::npos ||
            !number(text.substr(pos, colon - pos), BindFile::kMaxStatementLength, length) ||
            text.size() - (colon + 1) < length + 1 || text[colon + 1 + length] != '\n') {
            return false;
        }
        out = text.substr(colon + 1, length);
        pos = colon + 1 + length + 1;
        return true;
    }

    bool atEnd() const { return pos == text.size(); }

  private:
    const std::string& text;
    std::size_t pos = 0;
};

bool splitPackage(const std::string& qualified, std::string& schema, std::string& package) {
    const std::size_t dot = qualified.find('.');
    if (dot == std::string::npos) {
        return false;
    }
    schema = qualified.substr(0, dot);
    package = qualified.substr(dot + 1);
    return (schema.empty() || BindFile::validSchemaName(schema)) &&
           BindFile::validPackageName(package);
}

}  // namespace

bool BindFile::validPackageName(const std::string& name) {
    return validName(name, kMaxPackage);
}

bool BindFile::validSchemaName(const std::string& name) {
    return validName(name, kMaxSchema);
}

std::string BindFile::serialize() const {
    std::string out = std::string(kMagic) + "\n";
    out += "PROGRAM " + program + "\n";
    out += "PACKAGE " + schema + "." + package + "\n";
    out += "VERSION " + version + "\n";
    out += "STATEMENTS " + std::to_string(statements.size()) + "\n";
    for (const std::string& statement : statements) {
        out += std::to_string(statement.size()) + ":" + statement + "\n";
    }
    return out + "END\n";
}

bool BindFile::parse(const std::string& text, BindFile& out) {
    Reader reader(text);
    BindFile file;
    std::string magic;
    std::string qualified;
    std::string count;
    std::size_t n = 0;
    if (!reader.line(magic) || magic != kMagic || !reader.field("PROGRAM", file.program) ||
        !reader.field("PACKAGE", qualified, false) ||
        !splitPackage(qualified, file.schema, file.package) ||
        !reader.field("VERSION", file.version) || !reader.field("STATEMENTS", count, false) ||
        !Reader::number(count, kMaxStatements, n)) {
        return false;
    }
    for (std::size_t i = 0; i < n; ++i) {
        std::string statement;
        if (!reader.statement(statement)) {
            return false;
        }
        file.statements.push_back(std::move(statement));
    }
    std::string end;
    if (!reader.line(end) || end != "END" || !reader.atEnd()) {
        return false;
    }
    out = std::move(file);
    return true;
}

}  // namespace db2sim
