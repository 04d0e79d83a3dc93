#include "commands/partitionrangetext.h"

#include <string>

#include "commands/delimitedtext.h"
#include "commands/digittext.h"
#include "db2api/structs/media.h"

namespace {

const char* const kTo = "TO";

t_string named(const char* what) {
    return t_string(what != nullptr ? what : "");
}

bool partitionNumber(const t_string& text, const char* what, long long& value, t_string& why) {
    return DigitText::parse(text, what, 0, SQL_PDB_MAX_NODE_NUMBER, value, why);
}

// The first and last number of a range item ("3 TO 5"); `at` is where its TO starts.
bool rangeBounds(const t_string& item, std::size_t at, const char* what, long long& first,
                 long long& last, t_string& why) {
    const t_string before = item.substr(0, at);
    const t_string after = item.substr(at + 2);  // at + 2 <= size(): TO was found there
    const bool spaced =
        !before.empty() && before.back() == ' ' && !after.empty() && after.front() == ' ';
    if (!spaced || after.find(kTo) != t_string::npos || DelimitedText::trim(before).empty() ||
        DelimitedText::trim(after).empty()) {
        why = named(what) + ": \"" + item +
              "\" is neither a number nor a range \"<first> TO <last>\"";
        return false;
    }
    if (!partitionNumber(before, what, first, why) || !partitionNumber(after, what, last, why)) {
        return false;
    }
    if (last < first) {
        why = named(what) + ": the range \"" + item + "\" ends below its start";
        return false;
    }
    return true;
}

}  // namespace

bool PartitionRangeText::parse(const t_string& text, const char* what, std::size_t limit,
                               std::vector<SQL_PDB_NODE_TYPE>& out, t_string& why) {
    out.clear();
    for (const t_string& item : DelimitedText::split(text, ',')) {
        long long first = 0;
        long long last = 0;
        const std::size_t at = item.find(kTo);
        if (at == t_string::npos) {
            if (!partitionNumber(item, what, first, why)) {
                out.clear();
                return false;
            }
            last = first;
        } else if (!rangeBounds(item, at, what, first, last, why)) {
            out.clear();
            return false;
        }
        // Both bounds are within 0..999 here, so the span is small and exact.
        const std::size_t span = static_cast<std::size_t>(last - first + 1);
        if (span > limit - out.size()) {
            why = named(what) + " stands for more than " + std::to_string(limit) + " partitions";
            out.clear();
            return false;
        }
        for (long long n = first; n <= last; ++n) {
            out.push_back(static_cast<SQL_PDB_NODE_TYPE>(n));
        }
    }
    return true;
}
