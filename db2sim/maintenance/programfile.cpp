#include "db2sim/maintenance/programfile.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

#include "db2sim/maintenance/maintenancecodes.h"

namespace db2sim {
namespace {

// The words an embedded statement may start with.
const char* const kStatements[] = {
    "ALTER",    "CALL",      "CLOSE",      "COMMENT", "COMMIT",  "CONNECT", "CREATE", "DECLARE",
    "DELETE",   "DESCRIBE",  "DISCONNECT", "DROP",    "EXECUTE", "FETCH",   "FREE",   "GRANT",
    "INSERT",   "LOCK",      "MERGE",      "OPEN",    "PREPARE", "RELEASE", "RENAME", "REVOKE",
    "ROLLBACK", "SAVEPOINT", "SELECT",     "SET",     "UPDATE",  "VALUES",  "WITH",
};
// The precompiler's own directives: read, never kept.
const char* const kDirectives[] = {"INCLUDE", "WHENEVER"};
constexpr const char* kExpected = "SELECT";
constexpr std::size_t kTokenLength = 20;  // sqlerrmc holds 70 bytes for every token

bool isWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

bool isBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

template <std::size_t N>
bool listed(const char* const (&list)[N], const std::string& word) {
    return std::find_if(std::begin(list), std::end(list),
                        [&](const char* entry) { return word == entry; }) != std::end(list);
}

class Scanner {
  public:
    explicit Scanner(const std::string& source) : src(source) {}

    ProgramScan run() {
        while (pos < src.size() && result.sqlcode == 0) {
            step();
        }
        return result;
    }

  private:
    bool at(const char* text) const {
        return src.compare(pos, std::char_traits<char>::length(text), text) == 0;
    }

    void advance() {
        if (src[pos] == '\n') {
            ++line;
        }
        ++pos;
    }

    void step() {
        if (at("/*")) {
            skipPast("*/");
        } else if (at("//")) {
            skipPast("\n");
        } else if (src[pos] == '"' || src[pos] == '\'') {
            skipCLiteral(src[pos]);
        } else if (isWordChar(src[pos])) {
            word();
        } else {
            advance();
        }
    }

    void skipPast(const char* end) {
        const std::size_t found = src.find(end, pos + 2);
        const std::size_t stop =
            found == std::string::npos ? src.size() : found + std::char_traits<char>::length(end);
        while (pos < stop) {
            advance();
        }
    }

    void skipCLiteral(char quote) {
        advance();
        while (pos < src.size() && src[pos] != quote && src[pos] != '\n') {
            if (src[pos] == '\\' && pos + 1 < src.size()) {
                advance();
            }
            advance();
        }
        if (pos < src.size()) {
            advance();
        }
    }

    std::string readWord() {
        const std::size_t start = pos;
        while (pos < src.size() && isWordChar(src[pos])) {
            advance();
        }
        return upper(src.substr(start, pos - start));
    }

    void skipBlanks() {
        while (pos < src.size() && isBlank(src[pos])) {
            advance();
        }
    }

    void word() {
        const int wordLine = line;
        if (readWord() != "EXEC") {
            return;
        }
        const std::size_t afterExec = pos;
        const int lineAfterExec = line;
        skipBlanks();
        if (pos < src.size() && isWordChar(src[pos]) && readWord() == "SQL") {
            statement(wordLine);
        } else {
            pos = afterExec;  // the next word may be another EXEC
            line = lineAfterExec;
        }
    }

    void fail(int sqlcode, std::vector<std::string> tokens, int where) {
        result.sqlcode = sqlcode;
        result.tokens = std::move(tokens);
        result.line = where;
    }

    // Reads up to the ";" that ends the statement; false (with the error set) at the end of
    // the source.
    bool collect(std::string& text) {
        char quote = 0;
        int quoteLine = 0;
        std::size_t quoteStart = 0;
        bool blank = false;
        while (pos < src.size()) {
            const char c = src[pos];
            if (quote != 0) {
                text += c;
                quote = c == quote ? 0 : quote;
            } else if (c == ';') {
                advance();
                return true;
            } else if (at("--")) {
                skipPast("\n");
                blank = true;
                continue;
            } else if (isBlank(c)) {
                blank = true;
            } else {
                if (blank && !text.empty()) {
                    text += ' ';
                }
                blank = false;
                text += c;
                if (c == '\'' || c == '"') {
                    quote = c;
                    quoteLine = line;
                    quoteStart = text.size() - 1;
                }
            }
            advance();
        }
        if (quote != 0) {
            fail(code::kUnterminatedString, {text.substr(quoteStart, kTokenLength)}, quoteLine);
        } else {
            fail(code::kUnexpectedToken, {"END-OF-FILE", "EXEC SQL", ";"}, line);
        }
        return false;
    }

    void statement(int execLine) {
        std::string text;
        if (!collect(text)) {
            return;
        }
        const std::size_t end = std::min(text.find_first_of(" ("), text.size());
        const std::string first = upper(text.substr(0, end));
        if (first.empty()) {
            fail(code::kUnexpectedToken, {";", "EXEC SQL", kExpected}, execLine);
            return;
        }
        if (listed(kDirectives, first) || isDeclareSection(text)) {
            return;
        }
        if (!listed(kStatements, first)) {
            fail(code::kUnexpectedToken, {first.substr(0, kTokenLength), "EXEC SQL", kExpected},
                 execLine);
            return;
        }
        result.statements.push_back(ProgramStatement{execLine, text});
    }

    static bool isDeclareSection(const std::string& text) {
        const std::string words = upper(text);
        return words == "BEGIN DECLARE SECTION" || words == "END DECLARE SECTION";
    }

    const std::string& src;
    std::size_t pos = 0;
    int line = 1;
    ProgramScan result;
};

}  // namespace

ProgramScan ProgramFile::scan(const std::string& source) {
    return Scanner(source).run();
}

}  // namespace db2sim
