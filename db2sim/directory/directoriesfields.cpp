#include "db2sim/directory/directoriesfields.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "db2sim/connection/users.h"

namespace db2sim {
namespace {

constexpr size_t kMaxNameLength = 8;

bool nameCharacter(unsigned char c) {
    return std::isalnum(c) != 0 || c == '@' || c == '#' || c == '$' || c == '_';
}

char unescaped(char c) {
    switch (c) {
        case 't':
            return '\t';
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        default:
            return c;
    }
}

}  // namespace

ShortName toShortName(const std::string& text) {
    ShortName name{};
    std::string upper = upperCase(text);
    std::memcpy(name.data(), upper.data(), std::min(upper.size(), name.size()));
    return name;
}

std::string fromShortName(const ShortName& name) {
    return std::string(shortNameView(name));
}

void putBlankPadded(char* field, size_t width, std::string_view text) {
    size_t length = std::min(text.size(), width);
    std::copy_n(text.data(), length, field);
    std::memset(field + length, ' ', width - length);
}

void putTerminated(char* field, size_t size, const std::string& text) {
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), std::min(text.size(), size - 1));
}

bool readTerminated(const char* field, size_t size, std::string& text) {
    size_t length = strnlen(field, size);
    if (length == size) {
        return false;
    }
    text.assign(field, length);
    return true;
}

std::string readParameter(const char* text, size_t limit) {
    return text == nullptr ? std::string() : std::string(text, strnlen(text, limit + 1));
}

std::string withoutTrailingBlanks(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

bool validDirectoryName(const std::string& name) {
    if (name.empty() || name.size() > kMaxNameLength ||
        std::isdigit(static_cast<unsigned char>(name[0])) != 0) {
        return false;
    }
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return nameCharacter(static_cast<unsigned char>(c)); });
}

std::string joinRecord(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += '\t';
        }
        for (char c : fields[i]) {
            switch (c) {
                case '\t':
                    line += "\\t";
                    break;
                case '\n':
                    line += "\\n";
                    break;
                case '\r':
                    line += "\\r";
                    break;
                case '\\':
                    line += "\\\\";
                    break;
                default:
                    line += c;
            }
        }
    }
    return line;
}

std::vector<std::string> splitRecord(const std::string& line) {
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\t') {
            fields.emplace_back();
        } else if (line[i] == '\\' && i + 1 < line.size()) {
            fields.back() += unescaped(line[++i]);
        } else {
            fields.back() += line[i];
        }
    }
    return fields;
}

}  // namespace db2sim
