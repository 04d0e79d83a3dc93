#include <gtest/gtest.h>

#include <set>

#include "commands/db2cmdbase.h"
#include "native/commanddispatch.h"

using tarvinex::CommandTable;
using tarvinex::CommandType;

TEST(DispatchTable, HoldsEveryJavaCodeOnceAndGatesTheVersionEightCodes) {
    const CommandTable table = tarvinex::LibraryCommandTable();
    EXPECT_EQ(table.size, 69u);
    const std::set<int> gated = {3, 4, 5, 6, 12, 26, 27, 28, 29};
    std::set<int> codes;
    for (std::size_t i = 0; i < table.size; ++i) {
        EXPECT_TRUE(codes.insert(table.rows[i].code).second) << table.rows[i].code;
        EXPECT_EQ(table.rows[i].needsVersion8, gated.count(table.rows[i].code) == 1)
            << table.rows[i].code;
    }
    for (int unknown : {0, -1, 44, 45, 46, 51, 52, 53, 55, 56, 57, 75, 76, 79, 81, 83, 1000}) {
        EXPECT_EQ(tarvinex::FindCommandType(table, unknown), nullptr) << unknown;
    }
    ASSERT_NE(tarvinex::FindCommandType(table, 58), nullptr);
    EXPECT_FALSE(tarvinex::FindCommandType(table, 58)->needsVersion8);
}

namespace {
std::unique_ptr<CDB2CmdBase> fakeFactory(const tarvinex::JavaObject&, const tarvinex::JavaObject&,
                                         const tarvinex::JavaObject&) {
    return nullptr;
}
}  // namespace

TEST(DispatchTable, SelectionHonoursVersionAndBuiltCommands) {
    const CommandType rows[] = {{3, "GATED", true, fakeFactory},
                                {58, "ANY", false, fakeFactory},
                                {7, "NOT_BUILT", false, nullptr}};
    const CommandTable table{rows, 3};
    EXPECT_EQ(tarvinex::SelectCommandType(table, 3, 7.2), nullptr);
    EXPECT_EQ(tarvinex::SelectCommandType(table, 3, 0.0), nullptr);
    EXPECT_EQ(tarvinex::SelectCommandType(table, 3, 8.0), &rows[0]);
    EXPECT_EQ(tarvinex::SelectCommandType(table, 3, 9.7), &rows[0]);
    EXPECT_EQ(tarvinex::SelectCommandType(table, 58, 0.0), &rows[1]);
    EXPECT_EQ(tarvinex::SelectCommandType(table, 58, 7.2), &rows[1]);
    EXPECT_EQ(tarvinex::SelectCommandType(table, 7, 9.7), nullptr);
    EXPECT_EQ(tarvinex::SelectCommandType(table, 44, 9.7), nullptr);
}
