#include "commands/schemapairs.h"

namespace {

const t_string kBetweenPairs = "),(";

t_string malformed(const char* what, const t_string& text, const char* reason) {
    return t_string(what != nullptr ? what : "") + ": \"" + text + "\" " + reason +
           "; write pairs as (from,to),(from,to)";
}

bool isName(const t_string& name) {
    return !name.empty() && name.find_first_of("()") == t_string::npos;
}

// One pair's inside ("a,b").
bool takePair(const t_string& inside, const char* what, const t_string& text,
              std::vector<SchemaPair>& out, t_string& why) {
    const std::size_t comma = inside.find(',');
    if (comma == t_string::npos) {
        why = malformed(what, text, "has a pair without a comma");
        return false;
    }
    SchemaPair pair{inside.substr(0, comma), inside.substr(comma + 1)};
    if (!isName(pair.from) || !isName(pair.to) || pair.to.find(',') != t_string::npos) {
        why = malformed(what, text, "has a pair that is not two names");
        return false;
    }
    out.push_back(std::move(pair));
    return true;
}

}  // namespace

bool SchemaPairs::parse(const t_string& text, const char* what, std::vector<SchemaPair>& out,
                        t_string& why) {
    out.clear();
    if (text.empty()) {
        return true;
    }
    if (text.size() < 2 || text.front() != '(' || text.back() != ')') {
        why = malformed(what, text, "is not in parentheses");
        return false;
    }
    const t_string inner = text.substr(1, text.size() - 2);
    std::size_t start = 0;
    while (true) {
        const std::size_t at = inner.find(kBetweenPairs, start);
        const std::size_t end = at == t_string::npos ? inner.size() : at;
        if (!takePair(inner.substr(start, end - start), what, text, out, why)) {
            out.clear();
            return false;
        }
        if (at == t_string::npos) {
            return true;
        }
        start = at + kBetweenPairs.size();  // at + 3 <= inner.size()
    }
}
