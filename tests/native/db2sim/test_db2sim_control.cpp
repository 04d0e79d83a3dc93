// The control interface: fault injection, the journal, counters, product signature, reset, the
// state folder.
#include <fstream>

#include "instancefixture.h"

namespace {

using Db2SimControl = Db2SimTest;

void* beginCreateOnly(sqlca& ca) {
    void* ctx = nullptr;
    sqleBeginCtx(&ctx, SQL_CTX_CREATE_ONLY, nullptr, &ca);
    return ctx;
}

TEST_F(Db2SimControl, NullSqlcaIsRefusedSafely) {
    EXPECT_EQ(-1, sqlfrsys(nullptr));
}

TEST_F(Db2SimControl, MissingFaultTouchesNothingForTheNextCalls) {
    ASSERT_EQ(0, db2sim_inject("sqleBeginCtx", DB2SIM_FAULT_MISSING, 0, nullptr, 2));
    for (int call = 0; call < 2; ++call) {
        sqlca ca = zeroed();
        void* ctx = nullptr;
        EXPECT_EQ(-1, sqleBeginCtx(&ctx, SQL_CTX_CREATE_ONLY, nullptr, &ca));
        EXPECT_EQ(nullptr, ctx);
        sqlca untouched = zeroed();
        EXPECT_EQ(0, std::memcmp(&ca, &untouched, sizeof(ca))) << "call " << call;
    }
    EXPECT_EQ(1, db2sim_counter("contexts")) << "only the test's own";
    EXPECT_NE(std::string::npos, lastJournalLine().find("-> -1 sqlcode=0 fault=missing"));

    sqlca ca = zeroed();
    EXPECT_NE(nullptr, beginCreateOnly(ca)) << "the third call works again";

    ASSERT_EQ(0, db2sim_inject("SQLFreeHandle", DB2SIM_FAULT_MISSING, 0, nullptr, 1));
    EXPECT_EQ(-1, SQLFreeHandle(SQL_HANDLE_ENV, 1));
}

TEST_F(Db2SimControl, ErrorFaultFailsBeforeDoingAnything) {
    ASSERT_EQ(0, db2sim_inject("sqleBeginCtx", DB2SIM_FAULT_ERROR, -1013, "A,BB", 1));
    sqlca ca = zeroed();
    EXPECT_EQ(nullptr, beginCreateOnly(ca));
    EXPECT_EQ(-1013, ca.sqlcode);
    EXPECT_EQ(4, ca.sqlerrml);
    EXPECT_EQ(std::string("A\xFF"
                          "BB"),
              field(ca.sqlerrmc, 4));
    EXPECT_EQ("SQL09074", field(ca.sqlerrp, 8));
    EXPECT_EQ("42705", field(ca.sqlstate, 5));
    EXPECT_EQ(1, db2sim_counter("contexts")) << "only the test's own";
    EXPECT_NE(std::string::npos, lastJournalLine().find("-> -1013 sqlcode=-1013 fault=error"));

    ASSERT_EQ(0, db2sim_inject("sqlaintp_api", DB2SIM_FAULT_ERROR, -3, nullptr, 1));
    char buffer[64];
    EXPECT_EQ(-3, sqlaintp_api(buffer, 64, 0, "db2sql.mo", &ca))
        << "the formatter answers the injected code as its result";
}

TEST_F(Db2SimControl, WarningFaultLetsTheCallWork) {
    ASSERT_EQ(0, db2sim_inject("sqleBeginCtx", DB2SIM_FAULT_WARNING, 1014, "w", 0));
    for (int call = 0; call < 3; ++call) {
        sqlca ca = zeroed();
        EXPECT_NE(nullptr, beginCreateOnly(ca));
        EXPECT_EQ(1014, ca.sqlcode) << "until cleared";
    }
    EXPECT_EQ(1 + 3, db2sim_counter("contexts"));
    db2sim_clear_faults();
    sqlca ca = zeroed();
    beginCreateOnly(ca);
    EXPECT_EQ(0, ca.sqlcode);
}

TEST_F(Db2SimControl, InjectRefusesWhatCannotApply) {
    EXPECT_EQ(-1, db2sim_inject("sqleBeginCtxx", DB2SIM_FAULT_MISSING, 0, nullptr, 0));
    EXPECT_EQ(-1, db2sim_inject(nullptr, DB2SIM_FAULT_MISSING, 0, nullptr, 0));
    EXPECT_EQ(-1, db2sim_inject("db2CfgGet", DB2SIM_FAULT_ERROR, 5, nullptr, 0));
    EXPECT_EQ(-1, db2sim_inject("db2CfgGet", DB2SIM_FAULT_WARNING, -5, nullptr, 0));
    EXPECT_EQ(-1, db2sim_inject("db2CfgGet", 7, -5, nullptr, 0));
    EXPECT_EQ(-1, db2sim_inject("db2CfgGet", DB2SIM_FAULT_MISSING, 0, nullptr, -1));
    EXPECT_EQ(0, db2sim_inject("db2CfgGet", DB2SIM_FAULT_MISSING, 0, nullptr, 0));
}

TEST_F(Db2SimControl, JournalDecodesArguments) {
    sqlca ca = zeroed();
    void* ctx = beginCreateOnly(ca);
    char text[32];
    std::snprintf(text, sizeof(text), "%p", ctx);
    std::string line = lastJournalLine();
    EXPECT_EQ(0u, line.find("sqleBeginCtx(ppCtx=0x")) << line;
    EXPECT_NE(std::string::npos, line.find(", lOptions=1, reserved=null) -> 0 sqlcode=0 *ppCtx="))
        << line;
    EXPECT_NE(std::string::npos, line.find(std::string("*ppCtx=") + text)) << line;

    char node[] = "N\"1";
    char user[] = "me";
    char password[] = "secret";
    ca = zeroed();
    sqleatin_api(node, user, password, &ca);
    EXPECT_EQ(
        "sqleatin_api(pNodeName=\"N\\\"1\", pUserName=\"me\", pPassword=***) -> -1097 "
        "sqlcode=-1097",
        lastJournalLine());

    EXPECT_EQ(-1, sqlfrsys(nullptr));
    EXPECT_EQ("sqlfrsys() -> -1 sqlca=null", lastJournalLine());
    SQLEndTran(SQL_HANDLE_DBC, 42, SQL_COMMIT);
    EXPECT_EQ("SQLEndTran(HandleType=2, Handle=42, CompletionType=0) -> -2", lastJournalLine());
    EXPECT_EQ(4u, journal().size());
}

TEST_F(Db2SimControl, JournalCopyIsBoundedAndReportsItsLength) {
    sqlca ca = zeroed();
    sqlfrsys(&ca);
    std::string full = "sqlfrsys() -> 0 sqlcode=0\n";
    EXPECT_EQ(full.size(), db2sim_journal(nullptr, 0));
    char small[8];
    EXPECT_EQ(full.size(), db2sim_journal(small, sizeof(small)));
    EXPECT_EQ(full.substr(0, 7), std::string(small));
    db2sim_clear_journal();
    EXPECT_EQ(0u, db2sim_journal(nullptr, 0));
}

TEST_F(Db2SimControl, CountersAndMemory) {
    EXPECT_EQ(0, db2sim_counter("cli_handles"));
    EXPECT_EQ(0, db2sim_counter("scans"));
    EXPECT_EQ(0, db2sim_counter("memory"));
    EXPECT_EQ(-1, db2sim_counter("nonsense"));
    EXPECT_EQ(-1, db2sim_counter(nullptr));

    sqlca ca = zeroed();
    int notOurs = 0;
    EXPECT_EQ(-2032, sqlefmem_api(&ca, &notOurs)) << "memory not handed out is refused";
    EXPECT_EQ("SQL2032N  The parameter \"pBuffer\" is not valid.\n", message(ca));
    ca = zeroed();
    EXPECT_EQ(0, sqlefmem_api(&ca, nullptr));
}

TEST_F(Db2SimControl, ProductSignatureGoesIntoEverySqlca) {
    EXPECT_EQ(0, db2sim_set_product("SQL08020"));
    char product[16];
    EXPECT_EQ(8u, db2sim_product(product, sizeof(product)));
    EXPECT_EQ("SQL08020", std::string(product));
    sqlca ca = zeroed();
    sqleDetachFromCtx(nullptr, nullptr, &ca);
    EXPECT_EQ(-1441, ca.sqlcode);
    EXPECT_EQ("SQL08020", field(ca.sqlerrp, 8)) << "failed calls carry it too";

    for (const char* bad : {"SQL8020", "SQL080200", "SQ108020", "SQL0802X", ""}) {
        EXPECT_EQ(-1, db2sim_set_product(bad)) << bad;
    }
    EXPECT_EQ(-1, db2sim_set_product(nullptr));
}

TEST_F(Db2SimControl, ResetRestoresAFreshInstance) {
    db2sim_set_product("SQL07020");
    db2sim_inject("sqlfrsys", DB2SIM_FAULT_MISSING, 0, nullptr, 0);
    sqlca ca = zeroed();
    beginCreateOnly(ca);
    db2sim_reset();
    EXPECT_EQ(0u, db2sim_journal(nullptr, 0));
    EXPECT_EQ(0, db2sim_counter("contexts"));
    beginOwnContext();
    ca = zeroed();
    EXPECT_EQ(0, sqlfrsys(&ca)) << "faults are cleared";
    EXPECT_EQ("SQL09074", field(ca.sqlerrp, 8));
}

TEST_F(Db2SimControl, StateFolderFollowsTheEnvironment) {
    TemporaryFolder folder;
    const std::string home = folder.path() + "/nested/home";
    {
        ScopedEnv homeEnv("DB2SIM_HOME", home);
        ScopedEnv instance("DB2INSTANCE", "testinst");
        db2sim_reset();
        db2sim_set_product("SQL08020");
        char path[512];
        db2sim_home(path, sizeof(path));
        EXPECT_EQ(home, std::string(path));
        std::ifstream file(home + "/instance");
        std::string content((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
        EXPECT_EQ("name=testinst\nproduct=SQL08020\n", content);
    }
    db2sim_reset();
}

}  // namespace
