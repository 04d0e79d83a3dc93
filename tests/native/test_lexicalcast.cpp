#include "base/lexicalcast.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

TEST(LexicalCast, TextToNumberReadsTheLeadingNumberAndOutOfRangeGivesZero) {
    EXPECT_EQ(lexical_cast<int>(std::string()), 0);
    EXPECT_EQ(lexical_cast<int>(std::string(" 42 ")), 42);
    EXPECT_EQ(lexical_cast<int>(std::string("12abc")), 12);
    EXPECT_EQ(lexical_cast<int>(std::string("abc")), 0);
    EXPECT_EQ(lexical_cast<short>(std::string("-7")), -7);
    EXPECT_EQ(lexical_cast<long long>(std::string("9000000000")), 9000000000LL);
    EXPECT_FLOAT_EQ(lexical_cast<float>(std::string("2.5")), 2.5f);
    EXPECT_EQ(lexical_cast<short>(std::string("70000")), 0);
    EXPECT_EQ(lexical_cast<unsigned short>(std::string("70000")), 0);
}

TEST(LexicalCast, NumberToText) {
    EXPECT_EQ(lexical_cast<std::string>(1.5f), "1.500000");
    EXPECT_EQ(lexical_cast<std::string>(static_cast<short>(-1)), "-1");
    EXPECT_EQ(lexical_cast<std::string>(static_cast<unsigned short>(65535)), "65535");
    EXPECT_EQ(lexical_cast<std::string>(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(lexical_cast<std::string>(1234567890123LL), "1234567890123");
    EXPECT_EQ(lexical_cast<std::string>(18446744073709551615ULL), "18446744073709551615");
    // What the stream does beyond plain decimal integers stays the stream's.
    EXPECT_EQ(lexical_cast<std::string>(true), "1");
    EXPECT_EQ(lexical_cast<std::string>('x'), "x");
    EXPECT_EQ(lexical_cast<std::string>(7, '0', 3), "007");
}

TEST(LexicalCast, TextToTextKeepsTheFirstWord) {
    EXPECT_EQ(lexical_cast<std::string>(std::string("a b")), "a");
    const char* text = "  first second";
    EXPECT_EQ(lexical_cast<std::string>(text), "first");
    const char* none = nullptr;
    EXPECT_EQ(lexical_cast<std::string>(none), "");
    unsigned char bytes[] = "xyz";
    unsigned char* p = bytes;
    EXPECT_EQ(lexical_cast<std::string>(p), "xyz");
    // Text given as a string takes a road without a stream: the same words as the stream's.
    for (const std::string& given :
         {std::string(""), std::string(" \t\n\v\f\r"), std::string("\tSQL09074\r\n"),
          std::string("one"), std::string("a\vb"), std::string("x\0y z", 5)}) {
        std::stringstream stream;
        stream << given;
        std::string word;
        stream >> word;
        EXPECT_EQ(lexical_cast<std::string>(given), word) << given;
    }
}
