#include "db2sim/datamove/actionstring.h"

#include <cctype>

#include "db2sim/datamove/datamovecodes.h"

namespace db2sim {
namespace {

constexpr struct {
    Action action;
    const char* word;
} kActions[] = {
    {Action::kInsert, "INSERT"},       {Action::kInsertUpdate, "INSERT_UPDATE"},
    {Action::kReplace, "REPLACE"},     {Action::kReplaceCreate, "REPLACE_CREATE"},
    {Action::kCreate, "CREATE"},       {Action::kRestart, "RESTART"},
    {Action::kTerminate, "TERMINATE"},
};

bool nameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '@' || c == '#' ||
           c == '$';
}

// Words of the action text: names (upper-cased), quoted names, and the symbols . ( ) ,
class Words {
  public:
    explicit Words(std::string_view text) : text_(text) {}

    // The next word; false at the end or on a character that is none of these.
    bool next(std::string& word, bool& quoted) {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
        word.clear();
        quoted = false;
        if (pos_ >= text_.size()) {
            return false;
        }
        char c = text_[pos_];
        if (c == '"') {
            quoted = true;
            for (++pos_; pos_ < text_.size(); ++pos_) {
                if (text_[pos_] == '"' && !(pos_ + 1 < text_.size() && text_[pos_ + 1] == '"')) {
                    ++pos_;
                    return !word.empty();
                }
                pos_ += text_[pos_] == '"' ? 1 : 0;
                word += text_[pos_];
            }
            return false;
        }
        if (c == '.' || c == '(' || c == ')' || c == ',') {
            word = std::string(1, c);
            ++pos_;
            return true;
        }
        while (pos_ < text_.size() && nameChar(text_[pos_])) {
            word += static_cast<char>(std::toupper(static_cast<unsigned char>(text_[pos_++])));
        }
        return !word.empty();
    }

    bool atEnd() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
        return pos_ >= text_.size();
    }

  private:
    std::string_view text_;
    size_t pos_ = 0;
};

bool symbol(const std::string& word, bool quoted, const char* what) {
    return !quoted && word == what;
}

}  // namespace

const char* ActionString::name(Action action) {
    for (const auto& entry : kActions) {
        if (entry.action == action) {
            return entry.word;
        }
    }
    return "";
}

bool ActionString::parse(std::string_view text, UtilityRefusal& refusal) {
    *this = ActionString();
    Words words(text);
    std::string word;
    bool quoted = false;
    bool known = false;
    if (words.next(word, quoted) && !quoted) {
        for (const auto& entry : kActions) {
            known = known || word == entry.word;
            action = word == entry.word ? entry.action : action;
        }
    }
    if (!known) {
        refusal = {code::kActionKeywordMissing, {}};
        return false;
    }
    refusal = {code::kActionStringInvalid, {}};
    if (!words.next(word, quoted) || quoted || word != "INTO" || !words.next(table, quoted) ||
        (!quoted && !std::isalpha(static_cast<unsigned char>(table[0])) && table[0] != '_')) {
        return false;
    }
    bool more = words.next(word, quoted);
    if (more && symbol(word, quoted, ".")) {
        schema = table;
        if (!words.next(table, quoted) || symbol(table, quoted, "(")) {
            return false;
        }
        more = words.next(word, quoted);
    }
    if (more && symbol(word, quoted, "(")) {
        do {
            std::string column;
            if (!words.next(column, quoted) || (!quoted && !nameChar(column[0]))) {
                return false;
            }
            columns.push_back(column);
        } while (words.next(word, quoted) && symbol(word, quoted, ","));
        if (!symbol(word, quoted, ")")) {
            return false;
        }
        more = words.next(word, quoted);
    }
    if (more || !words.atEnd()) {
        return false;
    }
    refusal = UtilityRefusal();
    return true;
}

}  // namespace db2sim
