#include "db2sim/datamove/messagefile.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "db2sim/core/messagecatalog.h"

namespace db2sim {
namespace {

// "&1".."&9" replaced by the tokens; a missing token leaves nothing.
std::string substitute(const char* text, const std::vector<std::string>& tokens) {
    std::string out;
    for (const char* p = text; *p != '\0'; ++p) {
        if (p[0] == '&' && p[1] >= '1' && p[1] <= '9') {
            size_t index = static_cast<size_t>(p[1] - '1');
            out += index < tokens.size() ? tokens[index] : std::string();
            ++p;
            continue;
        }
        out += *p;
    }
    return out;
}

}  // namespace

void MessageFile::add(int sqlcode, char letter, const std::vector<std::string>& tokens) {
    char id[16];
    std::snprintf(id, sizeof(id), "SQL%04d%c", std::abs(sqlcode) % 100000, letter);
    const MessageText* row = MessageCatalog::find(sqlcode);
    std::string line = std::string(id) + "  " +
                       (row == nullptr ? std::string("(no text)") : substitute(row->text, tokens));
    if (row != nullptr && row->sqlstate[0] != '\0' && sqlcode < 0) {
        line += std::string("  SQLSTATE=") + row->sqlstate;
    }
    text_ += line + "\n\n";
}

void MessageFile::warn(int sqlcode, const std::vector<std::string>& tokens) {
    add(sqlcode, 'W', tokens);
    ++warnings_;
}

void MessageFile::addText(const std::string& text) {
    text_ += text + "\n";
}

bool MessageFile::writable() const {
    if (path_.empty()) {
        return true;
    }
    std::ofstream out(path_, std::ios::app);
    return static_cast<bool>(out);
}

bool MessageFile::write() const {
    if (path_.empty()) {
        return true;
    }
    std::ofstream out(path_, std::ios::trunc | std::ios::binary);
    out << text_;
    return static_cast<bool>(out);
}

}  // namespace db2sim
