// The option block of bind, rebind and precompile: (type, value) pairs behind a header, where a
// value is a number or the address of a text the block owns. The block and its texts live as long
// as the OptionBlock; DB2 only reads them during the call.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <vector>

#include "db2api/db2structs.h"
#include "base/stdafx.h"

class OptionBlock {
  public:
    // The longest text a 16-bit length prefix can describe.
    static constexpr std::size_t kMaxText = 0xFFFF;

    void addNumber(sqluint32 type, sqluintptr value);
    // False, adding nothing, when the text is longer than kMaxText.
    bool addText(sqluint32 type, const t_string& text);

    std::size_t count() const { return pairs.size(); }
    const std::vector<sqloptions>& options() const { return pairs; }

    // Lays the pairs out in one zeroed block with room for `room` pairs (at least as many as were
    // added), `allocated` in the header and `used` = the pairs added. Null when memory ran out.
    // The block stays valid until the next build or the OptionBlock goes.
    sqlopt* build(sqluint32 allocated, std::size_t room);

    // A text buffer as DB2 reads it: its 16-bit length in machine order, the characters, a NUL.
    static std::vector<char> lengthPrefixed(const t_string& text);

  private:
    struct FreeBlock {
        void operator()(sqlopt* block) const { std::free(block); }
    };

    std::vector<sqloptions> pairs;
    std::vector<std::unique_ptr<std::vector<char>>> texts;
    std::unique_ptr<sqlopt, FreeBlock> block;
};
