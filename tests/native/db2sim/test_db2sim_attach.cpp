// Instance attachment: sqleatin_api, sqledtin_api, sqlesetc_api.
#include <vector>

#include "instancefixture.h"

namespace {

using Db2SimAttach = Db2SimInstanceTest;

int attach(const char* node, const char* user, const char* password, sqlca& ca) {
    ca = sqlca{};
    return sqleatin_api(const_cast<char*>(node), const_cast<char*>(user),
                        const_cast<char*>(password), &ca);
}

std::vector<std::string> tokensOf(const sqlca& ca) {
    std::vector<std::string> tokens;
    std::string current;
    for (int i = 0; i < ca.sqlerrml; ++i) {
        if (ca.sqlerrmc[i] == '\xFF') {
            tokens.push_back(current);
            current.clear();
        } else {
            current += ca.sqlerrmc[i];
        }
    }
    tokens.push_back(current);
    return tokens;
}

int setPartition(unsigned short type, unsigned short value) {
    unsigned short setting[2] = {type, value};
    sqlca ca = sqlca{};
    return sqlesetc_api(setting, 1, &ca);
}

TEST_F(Db2SimAttach, AttachReplyCarriesTheServerFacts) {
    ThreadContext ctx;
    sqlca ca;
    ASSERT_EQ(0, attach("DB2INST1", "db2inst1", "db2sim", ca));
    EXPECT_EQ("SQL09074", field(ca.sqlerrp, 8));
    std::vector<std::string> tokens = tokensOf(ca);
    ASSERT_EQ(9u, tokens.size());
    EXPECT_FALSE(tokens[5].empty());
    for (int agent : {5, 6}) {  // agent id and index: numbers that vary
        EXPECT_EQ(std::string::npos, tokens[agent].find_first_not_of("0123456789"));
        tokens[agent] = "#";
    }
    EXPECT_EQ((std::vector<std::string>{"1", "1208", "DB2INST1", "DB2INST1", "DB2/LINUXX8664", "#",
                                        "#", "0", "1"}),
              tokens);
    EXPECT_EQ(1, db2sim_counter("attachments"));

    db2sim_set_product("SQL08020");
    ASSERT_EQ(0, attach(nullptr, "", "", ca)) << "null node: the local instance; no user: trusted";
    EXPECT_EQ("SQL08020", field(ca.sqlerrp, 8));
    EXPECT_EQ(1, db2sim_counter("attachments")) << "a second attach replaces the first";
}

TEST_F(Db2SimAttach, RefusalsCarryDb2Codes) {
    sqlca ca;
    withoutContext([&] { EXPECT_EQ(-1445, attach("", "", "", ca)) << "no context on the thread"; });

    ThreadContext ctx;
    EXPECT_EQ(-1097, attach("OTHERNODE", "", "", ca));
    EXPECT_EQ(-30082, attach("", "db2inst1", "wrong", ca));
    EXPECT_EQ("08001", field(ca.sqlstate, 5));
    EXPECT_EQ(
        "SQL30082N  The security check failed with reason \"24\" (\"USERNAME AND/OR PASSWORD "
        "INVALID\").  SQLSTATE=08001\n",
        message(ca));
    EXPECT_EQ(-30082, attach("", "nobody", "db2sim", ca));
    EXPECT_EQ(-30082, attach("", "db2inst1", nullptr, ca));
    EXPECT_EQ(0, attach("", "DB2Inst1", "db2sim", ca)) << "user names ignore case";

    db2sim_set_started(0);
    EXPECT_EQ(-1032, attach("", "db2inst1", "db2sim", ca));
    EXPECT_EQ("57019", field(ca.sqlstate, 5));
    db2sim_set_started(1);
    EXPECT_EQ(0, attach("", "db2inst1", "db2sim", ca));
}

TEST_F(Db2SimAttach, DetachNeedsAnAttachmentOfThisContext) {
    ThreadContext ctx;
    sqlca ca = zeroed();
    EXPECT_EQ(-1427, sqledtin_api(&ca));
    ASSERT_EQ(0, attach("", "", "", ca));

    // The attachment belongs to the context, not to the thread.
    sqleDetachFromCtx(ctx.get(), nullptr, &ca);
    ThreadContext other;
    EXPECT_EQ(-1427, sqledtin_api(&ca));
    sqleDetachFromCtx(other.get(), nullptr, &ca);
    sqleAttachToCtx(ctx.get(), nullptr, &ca);

    ca = zeroed();
    EXPECT_EQ(0, sqledtin_api(&ca));
    EXPECT_EQ(0, db2sim_counter("attachments"));
    EXPECT_EQ(-1427, sqledtin_api(&ca));
    EXPECT_EQ(-1, sqledtin_api(nullptr));
    sqleAttachToCtx(other.get(), nullptr, &ca);  // so its destructor can end it
}

TEST_F(Db2SimAttach, EndingTheContextDropsItsAttachment) {
    ThreadContext ctx;
    sqlca ca;
    ASSERT_EQ(0, attach("", "", "", ca));
    ASSERT_TRUE(ctx.end());
    EXPECT_EQ(0, db2sim_counter("attachments"));
}

TEST_F(Db2SimAttach, OnlyPartitionZeroExists) {
    withoutContext([&] { EXPECT_EQ(-1445, setPartition(8, 0)) << "settings belong to a context"; });
    ThreadContext ctx;
    EXPECT_EQ(0, setPartition(8, 0));
    EXPECT_EQ(-2032, setPartition(8, 3));
    EXPECT_EQ(-2032, setPartition(7, 1)) << "connect partition likewise";
    EXPECT_EQ(-2032, setPartition(9, 0)) << "unknown setting type";
    EXPECT_EQ(0, setPartition(1, 2)) << "other settings are accepted";

    sqlca ca = zeroed();
    EXPECT_EQ(-2032, sqlesetc_api(nullptr, 1, &ca));
    EXPECT_EQ(0, sqlesetc_api(nullptr, 0, &ca));
    EXPECT_EQ(std::string::npos, lastJournalLine().find("settings"));
    setPartition(8, 3);
    EXPECT_NE(std::string::npos, lastJournalLine().find("NumSettings=1, settings=\"8:3\""))
        << lastJournalLine();

    ca = zeroed();
    ASSERT_EQ(0, attach("", "", "", ca));
    EXPECT_EQ("0", tokensOf(ca)[7]);
}

TEST_F(Db2SimAttach, FaultsAndJournal) {
    ThreadContext ctx;
    sqlca ca;
    ASSERT_EQ(0, db2sim_inject("sqleatin_api", DB2SIM_FAULT_MISSING, 0, nullptr, 1));
    EXPECT_EQ(-1, attach("", "", "", ca));
    EXPECT_EQ(0, db2sim_counter("attachments")) << "a missing entry point attaches nothing";

    ASSERT_EQ(0, db2sim_inject("sqleatin_api", DB2SIM_FAULT_WARNING, 1026, nullptr, 1));
    EXPECT_EQ(1026, attach("", "db2inst1", "db2sim", ca));
    EXPECT_EQ(1, db2sim_counter("attachments")) << "a warning lets the attach happen";
    EXPECT_EQ(
        "sqleatin_api(pNodeName=\"\", pUserName=\"db2inst1\", pPassword=***) -> 1026 "
        "sqlcode=1026 fault=warning",
        lastJournalLine());

    ASSERT_EQ(0, db2sim_inject("sqledtin_api", DB2SIM_FAULT_ERROR, -1427, nullptr, 1));
    ca = zeroed();
    EXPECT_EQ(-1427, sqledtin_api(&ca));
    EXPECT_EQ(1, db2sim_counter("attachments")) << "an error fault detaches nothing";
}

TEST_F(Db2SimAttach, ResetDropsAttachmentsAndStartsTheManager) {
    ThreadContext ctx;
    sqlca ca;
    ASSERT_EQ(0, attach("", "", "", ca));
    db2sim_set_started(0);
    db2sim_reset();
    EXPECT_EQ(0, db2sim_counter("attachments"));
    ThreadContext fresh;
    EXPECT_EQ(0, attach("", "", "", ca));
}

}  // namespace
