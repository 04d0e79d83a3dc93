#include "commands/db2charlist.h"

#include <cstring>
#include <limits>
#include <string>

void DB2CharList::clear() {
    texts.clear();
    entries.clear();
}

bool DB2CharList::assign(const std::vector<t_string>& newTexts, const char* what, t_string& why) {
    clear();
    for (const t_string& text : newTexts) {
        if (text.size() > std::numeric_limits<db2Uint32>::max()) {
            why = t_string(what != nullptr ? what : "") + " longer than " +
                  std::to_string(std::numeric_limits<db2Uint32>::max()) + " characters";
            return false;
        }
    }
    texts.reserve(newTexts.size());
    entries.reserve(newTexts.size());
    for (const t_string& text : newTexts) {
        texts.emplace_back(text.begin(), text.end());
        texts.back().push_back('\0');
        db2Char entry{};
        entry.pioData = texts.back().data();  // the inner buffer stays put when `texts` grows
        entry.iLength = static_cast<db2Uint32>(text.size());
        entries.push_back(entry);
    }
    return true;
}

void DB2CharList::reserveBuffers(std::size_t count, db2Uint32 width) {
    clear();
    texts.reserve(count);
    entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        texts.emplace_back(width, '\0');
        db2Char entry{};
        entry.pioData = texts.back().empty() ? nullptr : texts.back().data();
        entry.iLength = width;
        entries.push_back(entry);
    }
}

t_string DB2CharList::written(const db2Char& field) {
    if (field.pioData == nullptr) {
        return t_string();
    }
    const std::size_t length = field.oLength < field.iLength ? field.oLength : field.iLength;
    const char* begin = field.pioData;
    const char* end = static_cast<const char*>(std::memchr(begin, '\0', length));
    return t_string(begin, end != nullptr ? end : begin + length);
}
