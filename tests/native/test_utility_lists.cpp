// The parsers of the utilities' list texts: partition ranges, ASC column locations and XML
// schema mappings, and the partition list built from them.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "commands/locationpairs.h"
#include "commands/partitionlist.h"
#include "commands/partitionrangetext.h"
#include "commands/schemapairs.h"

using Numbers = std::vector<SQL_PDB_NODE_TYPE>;

struct RangeCase {
    std::string text;
    Numbers numbers;
    std::string why;  // empty: accepted
};

// Names the case by its text (gtest would otherwise print the bytes, padding and all).
void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class PartitionRanges : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PartitionRanges, ExpandedInOrderOrRefused) {
    Numbers out;
    std::string why;
    const bool ok = PartitionRangeText::parse(GetParam().text, "partitions", 65535, out, why);
    EXPECT_EQ(ok, GetParam().why.empty());
    EXPECT_EQ(why, GetParam().why);
    EXPECT_EQ(out, GetParam().numbers);
}

const std::string kNotARange = "\" is neither a number nor a range \"<first> TO <last>\"";

INSTANTIATE_TEST_SUITE_P(
    Texts, PartitionRanges,
    ::testing::Values(
        RangeCase{"", {}, ""}, RangeCase{"1, 3 TO 5,8", {1, 3, 4, 5, 8}, ""},
        RangeCase{"2 TO 2", {2}, ""}, RangeCase{"998 TO 999", {998, 999}, ""},
        RangeCase{" 1 0 ", {10}, ""},
        RangeCase{"5 TO 3", {}, "partitions: the range \"5 TO 3\" ends below its start"},
        RangeCase{"1000", {}, "partitions gave 1000, outside 0 to 999"},
        RangeCase{"1,x", {}, "partitions: \"x\" is not a number"},
        RangeCase{"1 TO 1000", {}, "partitions gave 1000, outside 0 to 999"},
        RangeCase{"3TO5", {}, "partitions: \"3TO5" + kNotARange},
        RangeCase{"3 TO", {}, "partitions: \"3 TO" + kNotARange},
        RangeCase{"3 TO ", {}, "partitions: \"3 TO " + kNotARange},
        RangeCase{" TO 5", {}, "partitions: \" TO 5" + kNotARange},
        RangeCase{"1 TO 2 TO 3", {}, "partitions: \"1 TO 2 TO 3" + kNotARange},
        RangeCase{"3 to 5", {}, "partitions: \"3 to 5\" is not a number"},
        RangeCase{"0 TO 99999999999", {}, "partitions gave 99999999999, outside 0 to 999"}));

TEST(PartitionRangeText, TheLimitIsCheckedBeforeARangeIsExpanded) {
    Numbers out;
    std::string why;
    EXPECT_FALSE(PartitionRangeText::parse("1, 0 TO 9", "partitions", 10, out, why));
    EXPECT_EQ(why, "partitions stands for more than 10 partitions");
    EXPECT_TRUE(out.empty());
    EXPECT_TRUE(PartitionRangeText::parse("0 TO 9", "partitions", 10, out, why));
    EXPECT_EQ(out.size(), 10u);
}

TEST(PartitionList, AbsentEmptyAndFilledLists) {
    PartitionList list;
    EXPECT_EQ(list.loadNodeList(), nullptr);
    std::string why;
    ASSERT_TRUE(list.parse("", "partitions", why));
    ASSERT_NE(list.loadNodeList(), nullptr);
    EXPECT_EQ(list.loadNodeList()->piNodeList, nullptr);
    EXPECT_EQ(list.loadNodeList()->iNumNodes, 0);
    ASSERT_TRUE(list.assign({0, 7, 999}, "output partitions", why));
    const db2LoadNodeList* nodes = list.loadNodeList();
    ASSERT_EQ(nodes->iNumNodes, 3);
    EXPECT_EQ(Numbers(nodes->piNodeList, nodes->piNodeList + 3), (Numbers{0, 7, 999}));
    EXPECT_FALSE(list.assign({1, 65536}, "output partitions", why));
    EXPECT_EQ(why, "output partitions gave 65536, outside 0 to 999");
    EXPECT_EQ(list.loadNodeList(), nullptr);
    EXPECT_FALSE(list.assign(std::vector<long long>(65536, 1), "output partitions", why));
    EXPECT_EQ(why, "output partitions holds more than 65535 partitions");
    EXPECT_FALSE(list.present());
}

struct PairsCase {
    std::string text;
    std::vector<std::pair<int, int>> pairs;
    std::string why;
};

// Names the case by its text (gtest would otherwise print the bytes, padding and all).
void PrintTo(const PairsCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class LocationPairText : public ::testing::TestWithParam<PairsCase> {};

TEST_P(LocationPairText, BeginAndEndOrRefused) {
    std::vector<LocationPair> out;
    std::string why;
    const bool ok = LocationPairs::parse(GetParam().text, "column locations", out, why);
    EXPECT_EQ(ok, GetParam().why.empty());
    EXPECT_EQ(why, GetParam().why);
    std::vector<std::pair<int, int>> got;
    for (const LocationPair& p : out) {
        got.emplace_back(p.begin, p.end);
    }
    EXPECT_EQ(got, GetParam().pairs);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LocationPairText,
    ::testing::Values(PairsCase{"", {}, ""}, PairsCase{"1 10, 12 20", {{1, 10}, {12, 20}}, ""},
                      PairsCase{" 7 ", {{7, 7}}, ""}, PairsCase{"1  1 0", {{1, 10}}, ""},
                      PairsCase{"32767 32767", {{32767, 32767}}, ""},
                      PairsCase{"1 32768", {}, "column locations gave 32768, outside 0 to 32767"},
                      PairsCase{"1-10", {}, "column locations: \"1-10\" is not a number"},
                      PairsCase{"1 10,x", {}, "column locations: \"x\" is not a number"}));

TEST(SchemaPairs, PairsInOrderWithNamesAsTheyStand) {
    std::vector<SchemaPair> out;
    std::string why;
    ASSERT_TRUE(SchemaPairs::parse("(a,b),(c,d)", "map schemas", out, why));
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].from + ">" + out[0].to + " " + out[1].from + ">" + out[1].to, "a>b c>d");
    ASSERT_TRUE(SchemaPairs::parse("( S1 ,s2)", "map schemas", out, why));
    EXPECT_EQ(out[0].from + ">" + out[0].to, " S1 >s2");
    EXPECT_TRUE(SchemaPairs::parse("", "map schemas", out, why));
    EXPECT_TRUE(out.empty());
}

class SchemaPairsRefused : public ::testing::TestWithParam<std::string> {};

TEST_P(SchemaPairsRefused, WithAMessageAndNoPairs) {
    std::vector<SchemaPair> out;
    std::string why;
    EXPECT_FALSE(SchemaPairs::parse(GetParam(), "map schemas", out, why));
    EXPECT_EQ(why.rfind("map schemas: \"" + GetParam() + "\" ", 0), 0u) << why;
    EXPECT_TRUE(out.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, SchemaPairsRefused,
                         ::testing::Values("a,b", "(", ")", "()", "(a)", "(a,)", "(,b)",
                                           "(a,b),(c)", "(a,b)(c,d)", "((a,b)", "(a,b,c)", "(a,b),",
                                           "(a,b),()"));
