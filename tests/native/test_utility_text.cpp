// Delimited texts, the digit parser and the effective version shared by the utility commands.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "commands/delimitedtext.h"
#include "commands/digittext.h"
#include "commands/utilityversion.h"

using Items = std::vector<std::string>;

struct SplitCase {
    std::string text;
    Items items;
};

// Names the case by its text (gtest would otherwise print the bytes, padding and all).
void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class DelimitedTextSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(DelimitedTextSplit, ItemsUntrimmedAndCountAgrees) {
    EXPECT_EQ(DelimitedText::split(GetParam().text), GetParam().items);
    EXPECT_EQ(DelimitedText::count(GetParam().text), GetParam().items.size());
}

INSTANTIATE_TEST_SUITE_P(Texts, DelimitedTextSplit,
                         ::testing::Values(SplitCase{"", {}}, SplitCase{"a", {"a"}},
                                           SplitCase{" a , b", {" a ", " b"}},
                                           SplitCase{"a,", {"a", ""}}, SplitCase{",", {"", ""}},
                                           SplitCase{"a,,b", {"a", "", "b"}},
                                           SplitCase{" ", {" "}}));

TEST(DelimitedText, TrimTakesSpacesOnly) {
    EXPECT_EQ(DelimitedText::trim("  a b  "), "a b");
    EXPECT_EQ(DelimitedText::trim("   "), "");
    EXPECT_EQ(DelimitedText::trim(""), "");
    EXPECT_EQ(DelimitedText::trim("\ta\t "), "\ta\t");
}

struct DigitCase {
    std::string text;
    long long value;  // -1: refused
    std::string why;
};

// Names the case by its text (gtest would otherwise print the bytes, padding and all).
void PrintTo(const DigitCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class DigitTextInt32 : public ::testing::TestWithParam<DigitCase> {};

TEST_P(DigitTextInt32, BlanksSkippedAnythingElseRefused) {
    db2int32 out = -7;
    std::string why;
    const bool ok = DigitText::parse(GetParam().text, "null indicator list", out, why);
    EXPECT_EQ(ok, GetParam().value >= 0);
    EXPECT_EQ(ok ? out : -1, GetParam().value);
    EXPECT_EQ(why, GetParam().why);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DigitTextInt32,
    ::testing::Values(
        DigitCase{"", 0, ""}, DigitCase{"1 2", 12, ""}, DigitCase{" 5", 5, ""},
        DigitCase{"007", 7, ""}, DigitCase{"2147483647", 2147483647, ""},
        DigitCase{"12a", -1, "null indicator list: \"12a\" is not a number"},
        DigitCase{"-1", -1, "null indicator list: \"-1\" is not a number"},
        DigitCase{"3 to 5", -1, "null indicator list: \"3 to 5\" is not a number"},
        DigitCase{"\t1", -1, "null indicator list: \"\t1\" is not a number"},
        DigitCase{"2147483648", -1,
                  "null indicator list gave 2147483648, outside -2147483648 to 2147483647"},
        DigitCase{"99999999999999999999999", -1,
                  "null indicator list gave 99999999999999999999999, outside -2147483648 to "
                  "2147483647"}));

TEST(DigitText, FieldsOfEveryWidthKeepTheirRange) {
    std::string why;
    sqluint16 port = 0;
    EXPECT_TRUE(DigitText::parse("65535", "port range", port, why));
    EXPECT_EQ(port, 65535);
    EXPECT_FALSE(DigitText::parse("65536", "port range", port, why));
    EXPECT_EQ(why, "port range gave 65536, outside 0 to 65535");
    EXPECT_EQ(port, 65535);  // left alone on refusal
    db2Uint32 pages = 0;
    EXPECT_TRUE(DigitText::parse("4294967295", "container pages", pages, why));
    EXPECT_EQ(pages, 4294967295u);
    long long value = 0;
    EXPECT_FALSE(DigitText::parse("0", "partition", 1, 999, value, why));
    EXPECT_EQ(why, "partition gave 0, outside 1 to 999");
}

TEST(DigitText, ListsStopAtTheFirstRefusal) {
    std::vector<db2int32> values;
    std::string why;
    EXPECT_TRUE(DigitText::parseList("1, 2 ,,3", "positions", values, why));
    EXPECT_EQ(values, (std::vector<db2int32>{1, 2, 0, 3}));
    EXPECT_TRUE(DigitText::parseList("", "positions", values, why));
    EXPECT_TRUE(values.empty());
    EXPECT_FALSE(DigitText::parseList("4,x,5", "positions", values, why));
    EXPECT_EQ(why, "positions: \"x\" is not a number");
    EXPECT_EQ(values, (std::vector<db2int32>{4}));
}

TEST(UtilityVersion, SmallerWholeVersionAndItsApiLevel) {
    EXPECT_EQ(UtilityVersion::effective(9.1, 8.2), 8);
    EXPECT_EQ(UtilityVersion::effective(8.2, 9.7), 8);
    EXPECT_EQ(UtilityVersion::effective(9.7, 9.5), 9);
    EXPECT_EQ(UtilityVersion::effective(9.1, 0.0), 0);  // unknown server
    EXPECT_EQ(UtilityVersion::effective(std::nan(""), 9.0), 0);
    EXPECT_EQ(UtilityVersion::effective(1e300, 9.0), 0);
    EXPECT_EQ(UtilityVersion::effective(-3.0, 9.0), 0);
    for (const int v : {0, 7, 8}) {
        EXPECT_EQ(UtilityVersion::apiLevel(v), 8010000u) << v;
    }
    EXPECT_EQ(UtilityVersion::apiLevel(9), 9000000u);
    EXPECT_EQ(UtilityVersion::apiLevel(10), 9000000u);
    EXPECT_EQ(UtilityVersion::refusal(0),
              "Unsupported DB2 version 0: version 7 or later is needed");
}
