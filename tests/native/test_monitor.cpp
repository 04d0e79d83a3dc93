// The monitoring commands' own arithmetic and parsing: snapshot buffer growth and stream
// bounds, the snapshot request, agent id lists, switch texts, table space and container texts.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "commands/monitor/agentidlist.h"
#include "commands/monitor/db2listtablespacecontainercmd.h"
#include "commands/monitor/db2listtablespacescmd.h"
#include "commands/monitor/db2snapshothandler.h"
#include "commands/monitor/db2updatemonitorswitchescmd.h"
#include "db2api/db2structs.h"

namespace {

constexpr db2Uint32 kLargest = std::numeric_limits<db2int32>::max();

TEST(SnapshotGrowth, AddsTheEnlargedEstimateAndStopsAtTheLargestSignedSize) {
    EXPECT_EQ(CDB2SnapshotHandler::GrownSize(409600, 1100), 410700u);
    EXPECT_EQ(CDB2SnapshotHandler::GrownSize(kLargest - 10, 100), kLargest) << "saturates";
    EXPECT_EQ(CDB2SnapshotHandler::GrownSize(409600, std::numeric_limits<sqluint32>::max()),
              kLargest)
        << "no wrap-around to a smaller buffer";
    EXPECT_EQ(CDB2SnapshotHandler::GrownSize(kLargest, 1), 0u) << "nothing larger to try";
    EXPECT_EQ(CDB2SnapshotHandler::GrownSize(409600, 0), 0u) << "no estimate";
}

std::vector<char> streamWithSizeWord(sqluint32 size, std::size_t capacity) {
    std::vector<char> buffer(capacity, 0);
    std::memcpy(buffer.data(), &size, sizeof(size));
    return buffer;
}

TEST(SnapshotStream, IsItsHeaderAndTheBytesTheSizeWordAnnouncesWhenTheyFit) {
    struct Case {
        sqluint32 size;
        std::size_t capacity;
        std::size_t expected;
    };
    for (const Case& c : {Case{0, 8, 8}, Case{92, 100, 100}, Case{93, 100, 0},
                          Case{0xFFFFFFFFu, 409600, 0}, Case{0xFFFFFFF8u, 409600, 0}}) {
        const std::vector<char> buffer = streamWithSizeWord(c.size, c.capacity);
        EXPECT_EQ(CDB2SnapshotHandler::StreamLength(buffer.data(), buffer.size()), c.expected)
            << "size word " << c.size << " in " << c.capacity << " bytes";
    }
    EXPECT_EQ(CDB2SnapshotHandler::StreamLength(streamWithSizeWord(0, 8).data(), 7), 0u)
        << "no room for a header";
    EXPECT_EQ(CDB2SnapshotHandler::StreamLength(nullptr, 409600), 0u);
}

TEST(SnapshotRequest, HoldsOneObjectWhoseNameFitsWithItsTerminator) {
    sqlma request{};
    ASSERT_TRUE(CDB2SnapshotHandler::BuildRequest(SQLMA_DBASE, std::string(127, 'N'), 7, request));
    EXPECT_EQ(request.obj_num, 1u);
    EXPECT_EQ(request.obj_var[0].obj_type, SQLMA_DBASE);
    EXPECT_EQ(request.obj_var[0].agent_id, 7u);
    EXPECT_EQ(request.obj_var[0].object[126], 'N');
    EXPECT_EQ(request.obj_var[0].object[127], '\0');
    ASSERT_TRUE(CDB2SnapshotHandler::BuildRequest(SQLMA_DB2, "", 0, request));
    EXPECT_EQ(request.obj_var[0].object[0], '\0');
    EXPECT_FALSE(CDB2SnapshotHandler::BuildRequest(SQLMA_DBASE, std::string(128, 'N'), 0, request));
}

struct AgentIdCase {
    const char* text;
    bool accepted;
    std::vector<sqluint32> ids;
};

void PrintTo(const AgentIdCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class AgentIds : public ::testing::TestWithParam<AgentIdCase> {};

TEST_P(AgentIds, BlanksAreIgnoredAndAnythingElseRefusesTheList) {
    AgentIdList list;
    std::string error;
    EXPECT_EQ(list.parse(GetParam().text, error), GetParam().accepted) << error;
    EXPECT_EQ(list.ids(), GetParam().ids);
    EXPECT_EQ(error.empty(), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, AgentIds,
    ::testing::Values(AgentIdCase{"", true, {}}, AgentIdCase{"1,2,3", true, {1, 2, 3}},
                      AgentIdCase{"12, 34", true, {12, 34}}, AgentIdCase{"1 2", true, {12}},
                      AgentIdCase{"7,", true, {7, 0}}, AgentIdCase{",", true, {0, 0}},
                      AgentIdCase{"4294967295", true, {4294967295u}},
                      AgentIdCase{"4294967296", false, {}}, AgentIdCase{"12a", false, {}},
                      AgentIdCase{"1,-1", false, {}}, AgentIdCase{"3\t", false, {}},
                      AgentIdCase{"99999999999999999999999", false, {}}));

TEST(MonitorSwitchTexts, OnlyExactOnAndOffChangeASwitch) {
    EXPECT_EQ(CDB2UpdateMonitorSwitchesCmd::switchState("ON"), SQLM_ON);
    EXPECT_EQ(CDB2UpdateMonitorSwitchesCmd::switchState("OFF"), SQLM_OFF);
    EXPECT_EQ(CDB2UpdateMonitorSwitchesCmd::switchState("on"), SQLM_HOLD);
    EXPECT_EQ(CDB2UpdateMonitorSwitchesCmd::switchState(""), SQLM_HOLD);
    EXPECT_EQ(CDB2UpdateMonitorSwitchesCmd::timestampState("ON"), SQLM_ON);
    EXPECT_EQ(CDB2UpdateMonitorSwitchesCmd::timestampState(""), SQLM_OFF);
}

TEST(TablespaceTexts, TypeContentsAndContainerKinds) {
    EXPECT_STREQ(CDB2ListTablespacesCmd::typeText(0x21), "SMS");
    EXPECT_STREQ(CDB2ListTablespacesCmd::typeText(0x02), "DMS");
    EXPECT_STREQ(CDB2ListTablespacesCmd::contentsText(0x41), "user temp data");
    EXPECT_STREQ(CDB2ListTablespacesCmd::contentsText(0x22), "long field data");
    const char* reorg = "temp table space is reserved for completion of reorg recovery";
    EXPECT_STREQ(CDB2ListTablespacesCmd::contentsText(0x32), reorg);
    EXPECT_STREQ(CDB2ListTablespacesCmd::contentsText(0x81), reorg);
    EXPECT_STREQ(CDB2ListTablespaceContainerCmd::typeText(1), "disk");
    EXPECT_STREQ(CDB2ListTablespaceContainerCmd::typeText(2), "file");
    EXPECT_STREQ(CDB2ListTablespaceContainerCmd::typeText(3), "unknown");
}

}  // namespace
