// XML schema mappings: an accepted text is exactly its pairs written back as (from,to),(from,to)
// with names free of parentheses; a refused one leaves nothing and says why.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "commands/schemapairs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<SchemaPair> out;
    std::string why;
    if (!SchemaPairs::parse(text, "map schemas", out, why)) {
        if (why.empty() || !out.empty()) {
            std::abort();
        }
        return 0;
    }
    std::string written;
    for (const SchemaPair& pair : out) {
        if (pair.from.empty() || pair.to.empty() ||
            (pair.from + pair.to).find_first_of("()") != std::string::npos) {
            std::abort();
        }
        written += (written.empty() ? "(" : ",(") + pair.from + "," + pair.to + ")";
    }
    if (written != text) {
        std::abort();
    }
    return 0;
}
