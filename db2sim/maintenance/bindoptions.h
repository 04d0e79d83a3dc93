// The option block of sqlabndx, sqlarbnd and sqlaprep read into a map by option type: numbers as
// they are, texts (the types DB2 gives a length-prefixed text) copied out at their length. The
// journal shows the block as "allocated=N used=M [(type,value) ...]".
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "db2api/db2structs.h"

namespace db2sim {

class BindOptions {
  public:
    // The most pairs a block may announce.
    static constexpr sqluint32 kMaxPairs = 256;

    // Reads a block; a null block has no options. False (with the block's fault in `why`: a
    // count over the room, or a text option without its text) leaves `out` empty.
    static bool read(const sqlopt* block, BindOptions& out, std::string& why);
    static bool isText(sqluint32 type);

    // The block in short: "allocated=N used=M [(type,value) ...]".
    static std::string describe(const sqlopt* block);
    // The pairs a block announces as used; false (and none) when the counts do not hold.
    static bool pairs(const sqlopt* block, std::vector<sqloptions>& out);
    // The length-prefixed text at `address`; false for a null address.
    static bool textAt(sqluintptr address, std::string& out);

    bool has(sqluint32 type) const { return values_.count(type) != 0; }
    std::string text(sqluint32 type) const;
    // The number of a numeric option, `fallback` when absent.
    long long number(sqluint32 type, long long fallback) const;

  private:
    struct Value {
        bool isText = false;
        long long number = 0;
        std::string text;
    };
    std::map<sqluint32, Value> values_;
};

}  // namespace db2sim
