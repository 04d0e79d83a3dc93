// The column selection and null indicators of import and load: whatever the text, an accepted
// descriptor has one entry per item and DB2 finds one null indicator per column; a refused one
// says why and falls back to DB2's default order.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "commands/datamove/columndescriptor.h"
#include "commands/datamove/nullindicators.h"
#include "commands/delimitedtext.h"

namespace {

void check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

void indicatorsFor(const ColumnDescriptor& descriptor, const std::string& text) {
    NullIndicators indicators;
    std::string why;
    const bool parsed = indicators.build(text, descriptor.columns(), "null indicator list", why);
    check(parsed || !why.empty());
    check(indicators.view().size() >= descriptor.columns() && !indicators.view().empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::size_t items = DelimitedText::count(text);
    ColumnDescriptor descriptor;
    for (int method = 0; method < 3; ++method) {
        std::string why;
        const bool built =
            descriptor.buildChosen(method == 0, text, method == 1, text, method == 2, text, why);
        if (!built) {
            check(!why.empty() && descriptor.view().dcolmeth == SQL_METH_D &&
                  descriptor.columns() == 0);
        } else {
            check(descriptor.columns() == items);
            if (method == 1) {
                const std::vector<std::string> names = DelimitedText::split(text);
                for (std::size_t i = 0; i < names.size(); ++i) {
                    const sqldcoln& entry = descriptor.view().dcolname[i];
                    check(std::string(entry.dcolnptr, entry.dcolnlen) == names[i]);
                }
            }
        }
        indicatorsFor(descriptor, text);
    }
    return 0;
}
