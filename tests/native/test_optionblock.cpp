// The option block bind, rebind and precompile hand to DB2.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "commands/maintenance/optionblock.h"

TEST(OptionBlockTest, TextsAreLengthPrefixedAndEndInNul) {
    const std::vector<char> buffer = OptionBlock::lengthPrefixed("abcde");
    ASSERT_EQ(8u, buffer.size());
    sqluint16 length = 0;
    std::memcpy(&length, buffer.data(), 2);
    EXPECT_EQ(5, length);
    EXPECT_EQ("abcde", std::string(buffer.data() + 2, 5));
    EXPECT_EQ('\0', buffer[7]);
}

TEST(OptionBlockTest, PairsArePackedWithPointerSizedValuesAndRoomToSpare) {
    OptionBlock options;
    options.addNumber(SQL_DEGREE_OPT, 4);
    ASSERT_TRUE(options.addText(SQL_PKG_OPT, "PROG"));
    EXPECT_FALSE(options.addText(SQL_BIND_OPT, std::string(OptionBlock::kMaxText + 1, 'x')))
        << "a text its 16-bit length cannot describe";
    sqlopt* block = options.build(45, 46);
    ASSERT_NE(nullptr, block);
    EXPECT_EQ(45u, block->header.allocated);
    EXPECT_EQ(2u, block->header.used);
    const auto* pairs = reinterpret_cast<const unsigned char*>(block) + offsetof(sqlopt, option);
    sqloptions second;
    std::memcpy(&second, pairs + sizeof(sqloptions), sizeof(second));
    EXPECT_EQ(SQL_PKG_OPT, second.type);
    // The value is the text's whole address, not its low 32 bits.
    EXPECT_EQ("PROG", std::string(reinterpret_cast<const char*>(second.val) + 2, 4));

    OptionBlock none;
    sqlopt* empty = none.build(0, 0);
    ASSERT_NE(nullptr, empty);
    EXPECT_EQ(0u, empty->header.allocated);
    EXPECT_EQ(0u, empty->header.used);
}
