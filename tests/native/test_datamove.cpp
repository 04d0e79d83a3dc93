// The structures the data movement commands build for DB2 from their Java texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/datamove/columndescriptor.h"
#include "commands/datamove/db2loadquerycmd.h"
#include "commands/datamove/loaduserexit.h"
#include "commands/datamove/nullindicators.h"
#include "commands/datamove/partitionedload.h"
#include "commands/datamove/xmlvalidation.h"

namespace {

std::string text(const db2Char& value) {
    return std::string(value.pioData, value.iLength);
}

}  // namespace

TEST(ColumnDescriptor, LocationsBeforeNamesBeforePositionsElseDefault) {
    ColumnDescriptor d;
    t_string why;
    ASSERT_TRUE(d.buildChosen(true, "1 10, 12 20", true, "A", true, "3", why)) << why;
    EXPECT_EQ(d.view().dcolmeth, SQL_METH_L);
    ASSERT_EQ(d.view().dcolnum, 2);
    EXPECT_EQ(d.view().dcolname[0].dcolnlen, 0);
    const auto* pairs = reinterpret_cast<const sqllocpair*>(d.view().dcolname[0].dcolnptr);
    EXPECT_EQ((std::vector<int>{pairs[0].begin_loc, pairs[0].end_loc, pairs[1].begin_loc,
                                pairs[1].end_loc}),
              (std::vector<int>{1, 10, 12, 20}));

    ASSERT_TRUE(d.buildChosen(false, "", true, "A, b", true, "3", why)) << why;
    EXPECT_EQ(d.view().dcolmeth, SQL_METH_N);
    ASSERT_EQ(d.view().dcolnum, 2);
    EXPECT_EQ(std::string(d.view().dcolname[1].dcolnptr, d.view().dcolname[1].dcolnlen), " b");

    ASSERT_TRUE(d.buildChosen(false, "", false, "", true, "3, 5", why)) << why;
    EXPECT_EQ(d.view().dcolmeth, SQL_METH_P);
    EXPECT_EQ(d.view().dcolname[0].dcolnlen, 3);
    EXPECT_EQ(d.view().dcolname[1].dcolnlen, 5);
    EXPECT_EQ(d.view().dcolname[1].dcolnptr, nullptr);

    ASSERT_TRUE(d.buildChosen(false, "x", false, "x", false, "x", why));
    EXPECT_EQ(d.view().dcolmeth, SQL_METH_D);
    EXPECT_EQ(d.columns(), 0u);
}

TEST(ColumnDescriptor, MalformedNumbersAreRefusedAndLeaveTheDefault) {
    ColumnDescriptor d;
    for (const auto& [byLocations, list] : std::vector<std::pair<bool, t_string>>{
             {false, "3, 5a"}, {false, "-1"}, {false, "40000"}, {true, "1 10, 12 x"}}) {
        t_string why;
        EXPECT_FALSE(d.buildChosen(byLocations, list, false, "", !byLocations, list, why)) << list;
        EXPECT_NE(why.find(byLocations ? "column location list" : "column position list"),
                  t_string::npos)
            << why;
        EXPECT_EQ(d.view().dcolmeth, SQL_METH_D);
    }
}

TEST(NullIndicators, AtLeastOnePerDescriptorColumnAndNeverEmpty) {
    struct Case {
        t_string list;
        std::size_t columns;
        std::vector<db2int32> expected;
    };
    for (const Case& c : std::vector<Case>{{"", 0, {0}},
                                           {"", 3, {0, 0, 0}},
                                           {"1, 2", 4, {1, 2, 0, 0}},
                                           {"1,2,3", 2, {1, 2, 3}},
                                           {" 1 2", 1, {12}}}) {
        NullIndicators n;
        t_string why;
        ASSERT_TRUE(n.build(c.list, c.columns, "null indicator list", why)) << why;
        EXPECT_EQ(n.view(), c.expected) << c.list;
        EXPECT_NE(n.data(), nullptr);
    }
    NullIndicators n;
    t_string why;
    EXPECT_FALSE(n.build("1,12a", 3, "null indicator list", why));
    EXPECT_NE(why.find("null indicator list"), t_string::npos) << why;
    EXPECT_EQ(n.view().size(), 3u);  // still as long as DB2 will read
}

TEST(PartitionedLoad, PortRangeIsLowColonHighOrOneNumber) {
    struct Case {
        t_string text;
        int low;
        int high;
    };
    for (const Case& c : std::vector<Case>{{"6000:6063", 6000, 6063},
                                           {"6000", 6000, 6000},
                                           {"", 0, 0},
                                           {" 6 000 :6001", 6000, 6001}}) {
        db2LoadPortRange range{};
        t_string why;
        ASSERT_TRUE(PartitionedLoad::parsePortRange(c.text, range, why)) << c.text << why;
        EXPECT_EQ(range.iPortMin, c.low) << c.text;
        EXPECT_EQ(range.iPortMax, c.high) << c.text;
    }
    for (const t_string refused : {"65536", "-1", "6000:60a", "1:2:3"}) {
        db2LoadPortRange range{7, 7};
        t_string why;
        EXPECT_FALSE(PartitionedLoad::parsePortRange(refused, range, why)) << refused;
        EXPECT_NE(why.find("port range"), t_string::npos) << why;
        EXPECT_EQ(range.iPortMin, 7);  // left alone
    }
}

TEST(XmlValidation, XdsSchemaOrHints) {
    XmlValidation v;
    t_string why;
    ASSERT_TRUE(v.build(true, "S1", "x,y,z", "(a,b),(c,d)", why)) << why;
    const db2DMUXmlValidate& xds = *v.get();
    EXPECT_EQ(xds.iUsing, DB2DMU_XMLVAL_XDS);
    ASSERT_NE(xds.piXdsArgs, nullptr);
    EXPECT_EQ(text(*xds.piXdsArgs->piDefaultSchema), "S1");
    EXPECT_EQ(xds.piXdsArgs->iNumIgnoreSchemas, 3u);
    EXPECT_EQ(text(xds.piXdsArgs->piIgnoreSchemas[2]), "z");
    ASSERT_EQ(xds.piXdsArgs->iNumMapSchemas, 2u);
    const db2DMUXmlMapSchema* maps = xds.piXdsArgs->piMapSchemas;
    EXPECT_EQ(text(maps[0].iMapFromSchema) + ">" + text(maps[0].iMapToSchema) + " " +
                  text(maps[1].iMapFromSchema) + ">" + text(maps[1].iMapToSchema),
              "a>b c>d");

    ASSERT_TRUE(v.build(false, "S2", "", "", why));
    EXPECT_EQ(v.get()->iUsing, DB2DMU_XMLVAL_SCHEMA);
    EXPECT_EQ(text(*v.get()->piSchemaArgs->piSchema), "S2");
    EXPECT_EQ(v.get()->piXdsArgs, nullptr);

    ASSERT_TRUE(v.build(false, "", "", "", why));
    EXPECT_EQ(v.get()->iUsing, DB2DMU_XMLVAL_SCHEMALOC_HINTS);
    EXPECT_EQ(v.get()->piSchemaArgs, nullptr);

    EXPECT_FALSE(v.build(true, "", "", "(a b)", why));
    EXPECT_NE(why.find("XML schema map list"), t_string::npos) << why;
}

TEST(LoadUserExit, NoProgramNoExitElseEveryTextCounted) {
    LoadUserExit exit;
    t_string why;
    ASSERT_TRUE(exit.build("", "in", "", "", true, why));
    EXPECT_EQ(exit.get(), nullptr);
    ASSERT_TRUE(exit.build("/bin/gen", "", "data.in", "", true, why));
    const db2LoadUserExit& parms = *exit.get();
    EXPECT_EQ(text(parms.iSourceUserExitCmd), "/bin/gen");
    EXPECT_EQ(parms.piInputStream->iLength, 0u);
    EXPECT_EQ(text(*parms.piInputFileName), "data.in");
    EXPECT_EQ(*parms.piEnableParallelism, 1);
}

TEST(LoadQuery, StateAndPhaseTexts) {
    const std::vector<std::pair<db2Uint32, std::string>> states = {
        {0, "Normal"},        {1, "Check Pending"},     {2, "Load in Progress"},
        {4, "Read Access"},   {8, "Not Available"},     {16, "No Load Restart"},
        {64, "Load Pending"}, {1024, "Type-1 Indexes"}, {65, "unknown state"},
        {3, "unknown state"}};
    for (const auto& [state, expected] : states) {
        EXPECT_EQ(CDB2LoadQueryCmd::tableStateText(state), expected) << state;
    }
    const std::vector<std::pair<db2Uint32, std::string>> phases = {
        {0, "None"}, {1, "Load Phase"}, {2, "Build Phase"}, {3, "Delete Phase"}, {4, "None"}};
    for (const auto& [phase, expected] : phases) {
        EXPECT_EQ(CDB2LoadQueryCmd::phaseText(phase), expected) << phase;
    }
}
