// The recovery commands' rules that need no JVM: history texts read within their buffers, the
// rollforward status room, the prune log number, the set-containers lists, option bits.
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "commands/recovery/db2backupdbcmd.h"
#include "commands/recovery/db2prunecmd.h"
#include "commands/recovery/db2restoredbcmd.h"
#include "commands/recovery/db2rollforwardcmd.h"
#include "commands/recovery/db2settablespacecontainerscmd.h"
#include "commands/recovery/historyentry.h"
#include "commands/recovery/recoveryversion.h"

// A client that fills a field completely and reports more than it was given room for.
TEST(HistoryEntryText, ReadWithinTheBufferWhateverTheReportedLength) {
    HistoryEntry entry;
    entry.prepareAll(2);
    db2HistoryData& data = entry.next();
    std::memset(data.oObjectPart.pioData, '7', data.oObjectPart.iLength);
    data.oObjectPart.oLength = 4096;
    EXPECT_EQ(HistoryEntry::text(data.oObjectPart), std::string(DB2HISTORY_OBJPART_SZ, '7'));

    std::memcpy(data.oComment.pioData, "ab\0cd", 5);
    data.oComment.oLength = 5;
    EXPECT_EQ(HistoryEntry::text(data.oComment), "ab");

    // Names past the prepared ones are never read, whatever oNumTablespaces says.
    std::memcpy(data.poTablespace[0].pioData, "USERSPACE1", 10);
    data.poTablespace[0].oLength = 10;
    std::memcpy(data.poTablespace[1].pioData, "SYSCATSPACE", 11);
    data.poTablespace[1].oLength = 11;
    data.oNumTablespaces = 40;
    EXPECT_EQ(entry.tablespaceNames(), "USERSPACE1, SYSCATSPACE");
}

// The next entry starts clean: nothing of a longer previous text shows through a shorter one,
// and the header's outputs are cleared.
TEST(HistoryEntryText, NextEntryStartsClean) {
    HistoryEntry entry;
    entry.prepareAll(0);
    db2HistoryData& first = entry.next();
    std::memcpy(first.oLocation.pioData, "/backups/long", 13);
    first.oLocation.oLength = 13;
    first.oNumTablespaces = 3;
    first.oOperation = 'B';
    db2HistoryData& second = entry.next();
    EXPECT_EQ(std::string(second.ioHistDataID, 8), "SQLUHINF");
    EXPECT_EQ(second.oLocation.oLength, 0u);
    EXPECT_EQ(second.oNumTablespaces, 0u);
    EXPECT_EQ(HistoryEntry::flag(second.oOperation), "");
    std::memcpy(second.oLocation.pioData, "/b", 2);
    second.oLocation.oLength = 3;  // one byte more than written: a NUL, not the old text
    EXPECT_EQ(HistoryEntry::text(second.oLocation), "/b");
    EXPECT_EQ(second.iNumTablespaces, 0u);
    EXPECT_EQ(second.poTablespace, nullptr);
}

TEST(HistoryEntryText, LastLsnAsTwelveHexDigits) {
    HistoryEntry entry;
    entry.prepareObjectPart();
    db2HistoryData& data = entry.next();
    const unsigned char lsn[6] = {0x00, 0x00, 0x01, 0xAB, 0xFF, 0x10};
    std::memcpy(data.oLastLSN.lsnChar, lsn, 6);
    EXPECT_EQ(entry.lastLsn(), "000001ABFF10");
}

struct StatusRoom {
    bool all;
    std::size_t listed;
    db2int32 flag;
    std::size_t capacity;
};

// Cases print as their values: printed as bytes, the padding would be read uninitialised.
void PrintTo(const StatusRoom& c, std::ostream* out) {
    *out << (c.all ? "all" : "listed") << ' ' << c.listed;
}

class RollforwardStatusRoom : public ::testing::TestWithParam<StatusRoom> {};

// All partitions (or all but some) may each report: room for every partition DB2 allows.
TEST_P(RollforwardStatusRoom, FlagAndCapacity) {
    const db2int32 flag = CDB2RollforwardCmd::allNodeFlag(GetParam().all, GetParam().listed);
    EXPECT_EQ(flag, GetParam().flag);
    EXPECT_EQ(CDB2RollforwardCmd::statusCapacity(flag, GetParam().listed), GetParam().capacity);
}

INSTANTIATE_TEST_SUITE_P(Choices, RollforwardStatusRoom,
                         ::testing::Values(StatusRoom{true, 0, SQLURF_ALL_NODES, 1000},
                                           StatusRoom{true, 2, SQLURF_ALL_EXCEPT, 1000},
                                           StatusRoom{false, 0, SQLURF_CAT_NODE_ONLY, 1},
                                           StatusRoom{false, 3, SQLURF_NODE_LIST, 3}));

TEST(RollforwardState, TextsAndUnknownStates) {
    EXPECT_STREQ(CDB2RollforwardCmd::stateText(0), "cannot_query_node");
    EXPECT_STREQ(CDB2RollforwardCmd::stateText(7), "tablespace_rollforward_processing__STOP");
    EXPECT_EQ(CDB2RollforwardCmd::stateText(8), nullptr);
    EXPECT_EQ(CDB2RollforwardCmd::stateText(-1), nullptr);
}

class PruneLogNumber : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

// Never a cut outside the name, whatever its shape.
TEST_P(PruneLogNumber, Cut) {
    EXPECT_EQ(CDB2PruneCmd::logNumber(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Names, PruneLogNumber,
                         ::testing::Values(std::pair{"S0000012.LOG", "0000012"},
                                           std::pair{"S0000012", "0000012"},
                                           std::pair{"SABC.LOG", "SABC"},
                                           std::pair{"x.S0000012.LOG", "0000012"},
                                           std::pair{"S12.0", "0"}, std::pair{"", ""},
                                           std::pair{"0", "0"}, std::pair{".", ""}));

struct ContainerCase {
    std::string names, pages, files;
    std::vector<std::pair<sqluint32, sqluint32>> typeAndPages;
    std::string why;  // empty: accepted
};

void PrintTo(const ContainerCase& c, std::ostream* out) {
    *out << '"' << c.names << "\" \"" << c.pages << "\" \"" << c.files << '"';
}

class SetContainers : public ::testing::TestWithParam<ContainerCase> {};

TEST_P(SetContainers, EntriesOrRefusal) {
    std::vector<SQLB_TBSCONTQRY_DATA> out;
    std::string why;
    const ContainerCase& c = GetParam();
    const bool ok =
        CDB2SetTablespaceContainersCmd::containerData(c.names, c.pages, c.files, out, why);
    EXPECT_EQ(why, c.why);
    ASSERT_EQ(ok, c.why.empty());
    if (!ok) {
        return;
    }
    ASSERT_EQ(out.size(), c.typeAndPages.size());
    for (std::size_t i = 0; i < out.size(); ++i) {
        EXPECT_EQ(out[i].contType, c.typeAndPages[i].first);
        EXPECT_EQ(out[i].totalPages, c.typeAndPages[i].second);
        EXPECT_EQ(out[i].nameLen, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, SetContainers,
    ::testing::Values(
        ContainerCase{"a,b", "100,200", "TRUE,false", {{2, 100}, {1, 200}}, ""},
        ContainerCase{"a,b", "", "true", {{0, 0}, {0, 0}}, ""},
        ContainerCase{"a,b", "100,200,300", "true,true,true", {{2, 100}, {2, 200}}, ""},
        ContainerCase{"a,b,c",
                      "100",
                      "true,true,true",
                      {},
                      "set table space containers: 3 containers, but 1 page counts and 3 file "
                      "flags"},
        ContainerCase{"a,b",
                      "100,200",
                      "true",
                      {},
                      "set table space containers: 2 containers, but 2 page counts and 1 file "
                      "flags"},
        ContainerCase{
            "a,b", "100, ", "true,true", {}, "page count list: container b has no page count"},
        ContainerCase{"a", "12a", "true", {}, "page count list: \"12a\" is not a number"},
        ContainerCase{std::string(256, 'c'),
                      "",
                      "",
                      {},
                      "container name longer than 255 characters: " + std::string(256, 'c')}));

TEST(BackupOptions, BitsOfTheChoices) {
    using C = CDB2BackupDBCmd::Choices;
    EXPECT_EQ(CDB2BackupDBCmd::options(C{}), 0u);
    EXPECT_EQ(CDB2BackupDBCmd::options(C{true, true, false, false, false, false}), 0x103u);
    EXPECT_EQ(CDB2BackupDBCmd::options(C{false, false, true, true, false, false}), 0x30u);
    EXPECT_EQ(CDB2BackupDBCmd::options(C{false, false, false, true, false, true}), 0u);
    EXPECT_EQ(CDB2BackupDBCmd::options(C{false, false, true, false, true, true}), 0xC10u);
    EXPECT_EQ(CDB2BackupDBCmd::mediaKind(true, true, true, true), 'X');
    EXPECT_EQ(CDB2BackupDBCmd::mediaKind(false, true, true, true), 'A');
    EXPECT_EQ(CDB2BackupDBCmd::mediaKind(false, false, true, true), 'O');
    EXPECT_EQ(CDB2BackupDBCmd::mediaKind(false, false, false, true), 'L');
    EXPECT_EQ(CDB2BackupDBCmd::mediaKind(false, false, false, false), 'U');
}

TEST(RestoreOptions, KindsAndRebuilds) {
    bool rebuild = false;
    EXPECT_EQ(CDB2RestoreDBCmd::restoreKind("TABLESPACE", rebuild), DB2RESTORE_TABLESPACE);
    EXPECT_EQ(CDB2RestoreDBCmd::restoreKind("tablespace", rebuild), DB2RESTORE_DB);
    EXPECT_EQ(CDB2RestoreDBCmd::restoreKind("REBUILD_WITH", rebuild), DB2RESTORE_DB);
    EXPECT_TRUE(rebuild);
    EXPECT_EQ(CDB2RestoreDBCmd::rebuildValue("", false), 0x3000u);
    EXPECT_EQ(CDB2RestoreDBCmd::rebuildValue("ALL_TABLESPACES_IN_IMAGE", false), 0x2000u);
    EXPECT_EQ(CDB2RestoreDBCmd::rebuildValue("ALL_TABLESPACES_IN_IMAGE", true), 0x6000u);
    EXPECT_EQ(CDB2RestoreDBCmd::rebuildValue("ALL_TABLESPACES_IN_DATABASE", true), 0x5000u);
    EXPECT_EQ(CDB2RestoreDBCmd::rebuildValue("SOMETHING", true), 0u);
    EXPECT_FALSE(CDB2RestoreDBCmd::rebuildReadsList(0x2000));
    EXPECT_TRUE(CDB2RestoreDBCmd::rebuildReadsList(0x3000));
}

// With no connection the server's version is unknown: the instance's, else the client's.
TEST(RecoveryVersion, UnknownServerVersions) {
    EXPECT_EQ(RecoveryVersion::effective(9.7, 0.0, 8.2), 8);
    EXPECT_EQ(RecoveryVersion::effective(9.7, 8.1, 0.0), 8);
    EXPECT_EQ(RecoveryVersion::effective(9.7, 0.0, 0.0), 9);
    EXPECT_EQ(RecoveryVersion::effective(9.1, 0.0, 9.7), 9);
}
