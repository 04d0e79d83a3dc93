// Column locations (method L): an accepted text gives one pair per item, each within 0..32767.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "commands/delimitedtext.h"
#include "commands/locationpairs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<LocationPair> out;
    std::string why;
    if (!LocationPairs::parse(text, "column locations", out, why)) {
        if (why.empty() || !out.empty()) {
            std::abort();
        }
        return 0;
    }
    if (out.size() != DelimitedText::count(text)) {
        std::abort();
    }
    for (const LocationPair& pair : out) {
        if (pair.begin < 0 || pair.end < 0) {
            std::abort();
        }
    }
    return 0;
}
