#include "commands/db2charlist.h"

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
