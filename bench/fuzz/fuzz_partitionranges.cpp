// Partition texts with ranges: an accepted text stands for numbers within 0..999, no more than
// the limit, as many as its items say; a refused one leaves nothing and says why.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "commands/delimitedtext.h"
#include "commands/partitionrangetext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    constexpr std::size_t kLimit = 4096;
    std::vector<SQL_PDB_NODE_TYPE> out;
    std::string why;
    const bool ok = PartitionRangeText::parse(text, "partitions", kLimit, out, why);
    if (!ok) {
        if (why.empty() || !out.empty()) {
            std::abort();
        }
        return 0;
    }
    if (!why.empty() || out.size() > kLimit || out.size() < DelimitedText::count(text)) {
        std::abort();
    }
    for (const SQL_PDB_NODE_TYPE n : out) {
        if (n < 0 || n > 999) {
            std::abort();
        }
    }
    return 0;
}
