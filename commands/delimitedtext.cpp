#include "commands/delimitedtext.h"

std::vector<t_string> DelimitedText::split(const t_string& text, char separator) {
    std::vector<t_string> items;
    if (text.empty()) {
        return items;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(separator, start);
        if (at == t_string::npos) {
            items.push_back(text.substr(start));
            return items;
        }
        items.push_back(text.substr(start, at - start));
        start = at + 1;  // at < size(), so start <= size()
    }
}

std::size_t DelimitedText::count(const t_string& text, char separator) {
    return split(text, separator).size();
}

t_string DelimitedText::trim(const t_string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == t_string::npos) {
        return t_string();
    }
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}
