#include "db2sim/datamove/selectstatement.h"

#include <cctype>
#include <cstdlib>

#include "db2sim/database/databasetables.h"
#include "db2sim/database/dbopscodes.h"
#include "db2sim/datamove/datamovecodes.h"

namespace db2sim {
namespace {

enum class TokenKind { kName, kQuotedName, kString, kNumber, kSymbol, kEnd, kBad };

struct Token {
    TokenKind kind = TokenKind::kEnd;
    std::string text;  // names upper-cased; strings and quoted names without their quotes
    std::string raw;   // as written, for messages
};

bool nameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '@' || c == '#' ||
           c == '$';
}

class Lexer {
  public:
    explicit Lexer(std::string_view text) : text_(text) {}

    Token next() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
        Token token;
        if (pos_ >= text_.size()) {
            return token;
        }
        size_t start = pos_;
        char c = text_[pos_];
        if (c == '\'' || c == '"') {
            token = quoted(c);
        } else if (std::isdigit(static_cast<unsigned char>(c)) ||
                   ((c == '-' || c == '+' || c == '.') && pos_ + 1 < text_.size() &&
                    std::isdigit(static_cast<unsigned char>(text_[pos_ + 1])))) {
            token = number();
        } else if (nameChar(c)) {
            token.kind = TokenKind::kName;
            while (pos_ < text_.size() && nameChar(text_[pos_])) {
                token.text +=
                    static_cast<char>(std::toupper(static_cast<unsigned char>(text_[pos_++])));
            }
        } else {
            token = symbol();
        }
        token.raw = std::string(text_.substr(start, pos_ - start));
        return token;
    }

  private:
    Token quoted(char quote) {
        Token token;
        token.kind = quote == '\'' ? TokenKind::kString : TokenKind::kQuotedName;
        for (++pos_; pos_ < text_.size(); ++pos_) {
            if (text_[pos_] == quote) {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == quote) {
                    token.text += quote;
                    ++pos_;
                    continue;
                }
                ++pos_;
                return token;
            }
            token.text += text_[pos_];
        }
        token.kind = TokenKind::kBad;  // no closing quote
        return token;
    }

    Token number() {
        Token token;
        token.kind = TokenKind::kNumber;
        token.text += text_[pos_++];
        bool point = token.text == ".";
        while (pos_ < text_.size() && (std::isdigit(static_cast<unsigned char>(text_[pos_])) ||
                                       (!point && text_[pos_] == '.'))) {
            point = point || text_[pos_] == '.';
            token.text += text_[pos_++];
        }
        return token;
    }

    Token symbol() {
        Token token;
        token.kind = TokenKind::kSymbol;
        static constexpr const char* kTwo[] = {"<>", "!=", "<=", ">="};
        for (const char* two : kTwo) {
            if (text_.substr(pos_, 2) == two) {
                token.text = two;
                pos_ += 2;
                return token;
            }
        }
        token.text = std::string(1, text_[pos_++]);
        if (token.text.find_first_of("*,.=<>") == std::string::npos) {
            token.kind = TokenKind::kBad;
        }
        return token;
    }

    std::string_view text_;
    size_t pos_ = 0;
};

class Parser {
  public:
    Parser(std::string_view text, SelectStatement& out, UtilityRefusal& refusal)
        : lexer_(text), out_(out), refusal_(refusal) {
        advance();
    }

    bool statement() {
        if (!keyword("SELECT") || !selectList() || !keyword("FROM") || !tableName()) {
            return false;
        }
        if (isKeyword("WHERE")) {
            advance();
            if (!condition()) {
                return false;
            }
        }
        return current_.kind == TokenKind::kEnd || fail("<END-OF-STATEMENT>");
    }

  private:
    void advance() {
        before_ = current_.raw.empty() ? before_ : current_.raw;
        current_ = lexer_.next();
    }

    bool fail(const char* expected) {
        std::string token = current_.kind == TokenKind::kEnd ? "END OF STATEMENT" : current_.raw;
        refusal_ = {code::kSqlSyntax, {token, before_, expected}};
        return false;
    }

    bool isKeyword(const char* word) const {
        return current_.kind == TokenKind::kName && current_.text == word;
    }

    bool keyword(const char* word) {
        if (!isKeyword(word)) {
            return fail(word);
        }
        advance();
        return true;
    }

    bool isSymbol(const char* symbol) const {
        return current_.kind == TokenKind::kSymbol && current_.text == symbol;
    }

    bool name(std::string& target, const char* expected) {
        if (current_.kind != TokenKind::kName && current_.kind != TokenKind::kQuotedName) {
            return fail(expected);
        }
        if (current_.text.empty()) {
            return fail(expected);
        }
        target = current_.text;
        advance();
        return true;
    }

    bool selectList() {
        if (isSymbol("*")) {
            advance();
            return true;
        }
        do {
            std::string column;
            if (!name(column, "*")) {
                return false;
            }
            out_.columns.push_back(column);
        } while (isSymbol(",") && (advance(), true));
        return true;
    }

    bool tableName() {
        std::string first;
        if (!name(first, "<table-name>")) {
            return false;
        }
        if (!isSymbol(".")) {
            out_.table = first;
            return true;
        }
        advance();
        out_.schema = first;
        return name(out_.table, "<table-name>");
    }

    bool condition() {
        if (!name(out_.whereColumn, "<column-name>")) {
            return false;
        }
        static constexpr const char* kOps[] = {"=", "<>", "!=", "<", ">", "<=", ">="};
        bool op = false;
        for (const char* candidate : kOps) {
            op = op || isSymbol(candidate);
        }
        if (!op) {
            return fail("=");
        }
        out_.whereOp = current_.text == "!=" ? "<>" : current_.text;
        advance();
        if (current_.kind != TokenKind::kString && current_.kind != TokenKind::kNumber) {
            return fail("<literal>");
        }
        out_.whereLiteral = current_.text;
        out_.literalIsString = current_.kind == TokenKind::kString;
        advance();
        return true;
    }

    Lexer lexer_;
    SelectStatement& out_;
    UtilityRefusal& refusal_;
    Token current_;
    std::string before_ = "BEGIN-OF-STATEMENT";
};

// -1, 0, 1 as a is below, equal to or above b, both canonical values of `column`.
int compare(const Column& column, const std::string& a, const std::string& b) {
    if (column.isNumeric()) {
        long double x = std::strtold(a.c_str(), nullptr);
        long double y = std::strtold(b.c_str(), nullptr);
        return x < y ? -1 : x > y ? 1 : 0;
    }
    return a < b ? -1 : a > b ? 1 : 0;
}

bool holds(const std::string& op, int order) {
    return op == "="    ? order == 0
           : op == "<>" ? order != 0
           : op == "<"  ? order < 0
           : op == ">"  ? order > 0
           : op == "<=" ? order <= 0
                        : order >= 0;
}

}  // namespace

bool SelectStatement::parse(std::string_view text, UtilityRefusal& refusal) {
    *this = SelectStatement();
    Parser parser(text, *this, refusal);
    return parser.statement();
}

bool SelectStatement::run(DatabaseTables& tables, const std::string& defaultSchema,
                          SelectResult& result, UtilityRefusal& refusal) const {
    std::string owner = schema.empty() ? defaultSchema : schema;
    Table* found = tables.find(owner, table);
    if (found == nullptr) {
        refusal = {code::kUndefinedName, {owner + "." + table}};
        return false;
    }
    std::vector<int> picked;
    for (const std::string& column : columns) {
        picked.push_back(found->columnIndex(column));
        if (picked.back() < 0) {
            refusal = {code::kColumnUndefined, {column}};
            return false;
        }
    }
    if (columns.empty()) {
        for (size_t i = 0; i < found->columns().size(); ++i) {
            picked.push_back(static_cast<int>(i));
        }
    }
    int where = whereColumn.empty() ? -1 : found->columnIndex(whereColumn);
    std::string literal;
    if (!whereColumn.empty()) {
        if (where < 0) {
            refusal = {code::kColumnUndefined, {whereColumn}};
            return false;
        }
        const Column& column = found->columns()[where];
        if (literalIsString == column.isNumeric() ||
            column.normalize(whereLiteral, literal) == Column::Fit::kInvalid) {
            refusal = {code::kSqlSyntax, {whereLiteral, whereOp, "<literal>"}};
            return false;
        }
    }
    result = SelectResult();
    for (int index : picked) {
        result.columns.push_back(found->columns()[index]);
    }
    for (const Row& row : found->rows()) {
        ++found->counters.rowsRead;
        if (where >= 0 && (!row[where] || !holds(whereOp, compare(found->columns()[where],
                                                                  *row[where], literal)))) {
            continue;
        }
        Row selected;
        for (int index : picked) {
            selected.push_back(row[index]);
        }
        result.rows.push_back(std::move(selected));
    }
    return true;
}

}  // namespace db2sim
