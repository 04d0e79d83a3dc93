#include "commands/fixedfield.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

TEST(FixedField, ReadsAtItsWidthStopsAtNulTrimsBlanks) {
    const char full[8] = {'S', 'A', 'M', 'P', 'L', 'E', 'X', 'Y'};  // no terminator
    EXPECT_EQ(readFixedField(full), "SAMPLEXY");
    const char blanks[8] = {'D', 'B', ' ', ' ', ' ', ' ', ' ', ' '};
    EXPECT_EQ(readFixedField(blanks), "DB");
    const char inner[8] = {'A', 'B', 0, 'C', 'D', ' ', ' ', ' '};
    EXPECT_EQ(readFixedField(inner), "AB");
    const char empty[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    EXPECT_EQ(readFixedField(empty), "");
    EXPECT_EQ(readFixedField(nullptr, 8), "");
    const char blanksBeforeNul[10] = {'A', ' ', ' ', 0, 'B', ' ', ' ', ' ', ' ', ' '};
    EXPECT_EQ(fixedFieldText(blanksBeforeNul), "A");
    const char nulFirst[4] = {0, 'x', ' ', ' '};
    EXPECT_EQ(fixedFieldText(nulFirst), "");
}

TEST(FixedField, CopiesAtMostNIntoAZeroedFieldAndAnEyeCatcherWithoutTerminator) {
    char field[9];
    std::memset(field, 'x', sizeof(field));
    copyToField(field, "TOOLONGNAME");
    EXPECT_EQ(std::string(field), "TOOLONGN");
    copyToField(field, "AB");
    EXPECT_EQ(std::string(field), "AB");
    for (std::size_t i = 2; i < sizeof(field); ++i) {
        EXPECT_EQ(field[i], 0) << i;
    }
    struct {
        char id[8];
        char next;
    } block;
    block.next = 'z';
    copyEyeCatcher(block.id, "SQLDBD02");
    EXPECT_EQ(std::string(block.id, 8), "SQLDBD02");
    EXPECT_EQ(block.next, 'z');
}

TEST(FixedField, WideFieldsTrimEveryPaddingLength) {
    // Trailing blanks are dropped in blocks of eight first: every text length must survive that.
    for (std::size_t length = 0; length <= 40; ++length) {
        char field[37];
        std::memset(field, ' ', sizeof(field));
        const std::size_t kept = std::min(length, sizeof(field));
        for (std::size_t i = 0; i < kept; ++i) {
            field[i] = i % 3 == 1 ? ' ' : 'a';  // inner blanks stay
        }
        std::string expected(field, kept);
        while (!expected.empty() && expected.back() == ' ') {
            expected.pop_back();
        }
        EXPECT_EQ(fixedFieldText(field), expected) << length;
        EXPECT_EQ(readFixedField(field), expected) << length;
    }
}
