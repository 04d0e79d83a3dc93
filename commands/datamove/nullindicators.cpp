#include "commands/datamove/nullindicators.h"

#include "commands/digittext.h"

bool NullIndicators::build(const t_string& commaList, std::size_t columns, const char* what,
                           t_string& why) {
    const bool parsed = DigitText::parseList(commaList, what, values, why);
    if (!parsed) {
        values.clear();
    }
    if (values.size() < columns) {
        values.resize(columns, 0);
    }
    if (values.empty()) {
        values.push_back(0);
    }
    return parsed;
}
