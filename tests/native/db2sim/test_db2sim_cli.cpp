// DB2 CLI: handles, the library's connect sequence, refusals, and connections across contexts
// and threads.
#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "instancefixture.h"

namespace {

using Db2SimCli = Db2SimInstanceTest;

SQLCHAR* text(const char* value) {
    return reinterpret_cast<SQLCHAR*>(const_cast<char*>(value));
}

// Environment and connection handles, freed (after a disconnect) when the test ends.
struct CliHandles {
    SQLHENV env = 0;
    SQLHDBC dbc = 0;

    CliHandles() {
        SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
        SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    }
    ~CliHandles() {
        SQLDisconnect(dbc);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        SQLFreeHandle(SQL_HANDLE_ENV, env);
    }
    CliHandles(const CliHandles&) = delete;
    CliHandles& operator=(const CliHandles&) = delete;

    SQLRETURN bind(void* ctx) { return SQLSetConnectAttr(dbc, SQL_ATTR_CONTEXT, ctx, 0); }
    SQLRETURN connect(const char* alias, const char* user = "db2inst1",
                      const char* password = "db2sim") {
        return SQLConnect(dbc, text(alias), SQL_NTS, text(user), SQL_NTS, text(password), SQL_NTS);
    }
};

// A context created only, as the library's connect makes it.
void* createOnly() {
    void* ctx = nullptr;
    sqlca ca;
    sqleBeginCtx(&ctx, SQL_CTX_CREATE_ONLY, nullptr, &ca);
    return ctx;
}

void endContext(void* ctx) {
    sqlca ca;
    sqleEndCtx(&ctx, SQL_CTX_END_ALL, nullptr, &ca);
}

TEST_F(Db2SimCli, TheLibrarysConnectSequence) {
    void* ctx = createOnly();
    {
        CliHandles cli;
        EXPECT_GT(cli.env, 0);
        EXPECT_GT(cli.dbc, 0);
        EXPECT_NE(cli.env, cli.dbc);
        EXPECT_EQ(2, db2sim_counter("cli_handles"));
        EXPECT_EQ(SQL_SUCCESS, SQLSetConnectAttr(cli.dbc, SQL_ATTR_CONNECT_NODE, nullptr, 0));
        EXPECT_EQ(SQL_SUCCESS, cli.bind(ctx));
        EXPECT_EQ(SQL_SUCCESS, cli.connect("sample"));
        EXPECT_EQ(1, db2sim_counter("connections"));

        char version[1024];
        SQLSMALLINT length = 0;
        EXPECT_EQ(SQL_SUCCESS, SQLGetInfo(cli.dbc, SQL_DBMS_VER, version, 1024, &length));
        EXPECT_EQ("09.07.0004", std::string(version, length));

        EXPECT_EQ(SQL_SUCCESS, SQLEndTran(SQL_HANDLE_DBC, cli.dbc, SQL_COMMIT));
        EXPECT_EQ(SQL_SUCCESS, SQLDisconnect(cli.dbc));
        EXPECT_EQ(0, db2sim_counter("connections"));
    }
    EXPECT_EQ(0, db2sim_counter("cli_handles"));
    endContext(ctx);
    EXPECT_EQ(1, db2sim_counter("contexts")) << "only the test's own";
}

TEST_F(Db2SimCli, ConnectRefusals) {
    void* ctx = createOnly();
    CliHandles cli;
    EXPECT_EQ(SQL_ERROR, cli.connect("SAMPLE")) << "no context bound";
    ASSERT_EQ(SQL_SUCCESS, cli.bind(ctx));
    EXPECT_EQ(SQL_ERROR, cli.connect("NOSUCHDB"));
    EXPECT_EQ(SQL_ERROR, cli.connect(""));
    EXPECT_EQ(SQL_ERROR, cli.connect("SAMPLE", "db2inst1", "wrong"));
    EXPECT_EQ(SQL_ERROR, cli.connect("SAMPLE", "stranger", "db2sim"));
    db2sim_set_started(0);
    EXPECT_EQ(SQL_ERROR, cli.connect("SAMPLE"));
    db2sim_set_started(1);
    EXPECT_EQ(0, db2sim_counter("connections"));

    EXPECT_EQ(SQL_SUCCESS, cli.connect("SAMPLE", "", "")) << "no user: trusted";
    EXPECT_EQ(SQL_ERROR, cli.connect("SAMPLE")) << "already connected";
    EXPECT_EQ(SQL_ERROR, cli.bind(ctx)) << "attributes are set before connecting";
    EXPECT_EQ(SQL_ERROR, SQLFreeHandle(SQL_HANDLE_DBC, cli.dbc)) << "still connected";
    EXPECT_EQ(SQL_SUCCESS, SQLDisconnect(cli.dbc));
    EXPECT_EQ(SQL_ERROR, SQLDisconnect(cli.dbc)) << "not connected any more";
    EXPECT_EQ(SQL_SUCCESS,
              SQLConnect(cli.dbc, text("SAMPLEX"), 6, text("db2inst1"), 8, text("db2simX"), 6))
        << "explicit lengths";
    endContext(ctx);
}

TEST_F(Db2SimCli, BadHandlesAreInvalidNotFollowed) {
    SQLHANDLE out = 77;
    EXPECT_EQ(SQL_INVALID_HANDLE, SQLAllocHandle(SQL_HANDLE_DBC, 12345, &out));
    EXPECT_EQ(0, out);
    EXPECT_EQ(SQL_INVALID_HANDLE, SQLSetEnvAttr(12345, SQL_ATTR_ODBC_VERSION, nullptr, 0));
    EXPECT_EQ(SQL_INVALID_HANDLE, SQLSetConnectAttr(12345, SQL_ATTR_CONTEXT, nullptr, 0));
    EXPECT_EQ(SQL_INVALID_HANDLE,
              SQLConnect(12345, text("SAMPLE"), SQL_NTS, nullptr, 0, nullptr, 0));
    EXPECT_EQ(SQL_INVALID_HANDLE, SQLGetInfo(12345, SQL_DBMS_VER, nullptr, 0, nullptr));
    EXPECT_EQ(SQL_INVALID_HANDLE, SQLDisconnect(12345));
    EXPECT_EQ(SQL_INVALID_HANDLE, SQLEndTran(SQL_HANDLE_DBC, 12345, SQL_COMMIT));
    EXPECT_EQ(SQL_ERROR, SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, nullptr));

    SQLHENV env = 0;
    ASSERT_EQ(SQL_SUCCESS, SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env));
    EXPECT_EQ(SQL_INVALID_HANDLE, SQLFreeHandle(SQL_HANDLE_DBC, env)) << "an env is no dbc";
    EXPECT_EQ(SQL_INVALID_HANDLE, SQLConnect(env, text("SAMPLE"), SQL_NTS, nullptr, 0, nullptr, 0));
    ASSERT_EQ(SQL_SUCCESS, SQLFreeHandle(SQL_HANDLE_ENV, env));
    EXPECT_EQ(SQL_INVALID_HANDLE, SQLFreeHandle(SQL_HANDLE_ENV, env)) << "freed twice";

    SQLHENV next = 0;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &next);
    EXPECT_NE(env, next) << "numbers are not reused";
    SQLFreeHandle(SQL_HANDLE_ENV, next);
}

TEST_F(Db2SimCli, AnEnvironmentWithConnectionsCannotBeFreed) {
    SQLHENV env = 0;
    SQLHDBC dbc = 0;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    EXPECT_EQ(SQL_ERROR, SQLFreeHandle(SQL_HANDLE_ENV, env));
    EXPECT_EQ(SQL_SUCCESS, SQLFreeHandle(SQL_HANDLE_DBC, dbc));
    EXPECT_EQ(SQL_SUCCESS, SQLFreeHandle(SQL_HANDLE_ENV, env));
    EXPECT_EQ(0, db2sim_counter("cli_handles"));
}

TEST_F(Db2SimCli, PartitionAndContextAttributes) {
    CliHandles cli;
    EXPECT_EQ(SQL_ERROR, SQLSetConnectAttr(cli.dbc, SQL_ATTR_CONNECT_NODE,
                                           reinterpret_cast<SQLPOINTER>(intptr_t{3}), 0));
    int notAContext = 0;
    EXPECT_EQ(SQL_ERROR, cli.bind(&notAContext));
    void* ctx = createOnly();
    uintptr_t truncated = reinterpret_cast<uintptr_t>(ctx) & 0xFFFFFFFFu;
    EXPECT_EQ(SQL_ERROR, cli.bind(reinterpret_cast<void*>(truncated)))
        << "a context cut to 32 bits is refused";
    EXPECT_EQ(SQL_SUCCESS, cli.bind(ctx));
    endContext(ctx);
}

TEST_F(Db2SimCli, VersionFollowsTheSignatureAndTruncates) {
    db2sim_set_product("SQL08020");
    void* ctx = createOnly();
    CliHandles cli;
    EXPECT_EQ(SQL_ERROR, SQLGetInfo(cli.dbc, SQL_DBMS_VER, nullptr, 0, nullptr)) << "not connected";
    cli.bind(ctx);
    ASSERT_EQ(SQL_SUCCESS, cli.connect("SAMPLE"));

    char small[6] = "xxxxx";
    SQLSMALLINT length = 0;
    EXPECT_EQ(SQL_SUCCESS_WITH_INFO, SQLGetInfo(cli.dbc, SQL_DBMS_VER, small, 6, &length));
    EXPECT_EQ("08.02", std::string(small));
    EXPECT_EQ(10, length) << "the full length";
    EXPECT_EQ(SQL_SUCCESS, SQLGetInfo(cli.dbc, SQL_DBMS_VER, nullptr, 0, &length));
    EXPECT_EQ(SQL_ERROR, SQLGetInfo(cli.dbc, 17, small, 6, &length)) << "other information types";
    endContext(ctx);
}

TEST_F(Db2SimCli, EndingTheContextClosesItsConnection) {
    void* ctx = createOnly();
    CliHandles cli;
    cli.bind(ctx);
    ASSERT_EQ(SQL_SUCCESS, cli.connect("SAMPLE"));
    endContext(ctx);
    EXPECT_EQ(1, db2sim_counter("contexts")) << "only the test's own";
    EXPECT_EQ(0, db2sim_counter("connections"));
    EXPECT_EQ(2, db2sim_counter("cli_handles")) << "the handles stay until freed";
    EXPECT_EQ(SQL_ERROR, SQLDisconnect(cli.dbc));
    EXPECT_EQ(SQL_ERROR, cli.connect("SAMPLE")) << "unbound now";
}

TEST_F(Db2SimCli, ResetFreesEveryHandle) {
    void* ctx = createOnly();
    CliHandles cli;
    cli.bind(ctx);
    ASSERT_EQ(SQL_SUCCESS, cli.connect("SAMPLE"));
    resetInstance();
    EXPECT_EQ(0, db2sim_counter("cli_handles"));
    EXPECT_EQ(0, db2sim_counter("connections"));
    EXPECT_EQ(SQL_INVALID_HANDLE, SQLDisconnect(cli.dbc));
}

TEST_F(Db2SimCli, FaultsAndJournal) {
    ASSERT_EQ(0, db2sim_inject("SQLAllocHandle", DB2SIM_FAULT_ERROR, -930, nullptr, 1));
    SQLHENV env = 0;
    EXPECT_EQ(SQL_ERROR, SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env));
    EXPECT_EQ(0, db2sim_counter("cli_handles"));

    void* ctx = createOnly();
    CliHandles cli;
    cli.bind(ctx);
    ASSERT_EQ(0, db2sim_inject("SQLConnect", DB2SIM_FAULT_WARNING, 1, nullptr, 1));
    EXPECT_EQ(SQL_SUCCESS_WITH_INFO, cli.connect("SAMPLE"));
    EXPECT_EQ(1, db2sim_counter("connections"));
    EXPECT_EQ("SQLConnect(ConnectionHandle=" + std::to_string(cli.dbc) +
                  ", ServerName=\"SAMPLE\", NameLength1=-3, UserName=\"db2inst1\", NameLength2=-3, "
                  "Authentication=***, NameLength3=-3) -> 1 fault=warning",
              lastJournalLine());
    ASSERT_EQ(0, db2sim_inject("SQLDisconnect", DB2SIM_FAULT_MISSING, 0, nullptr, 1));
    EXPECT_EQ(-1, SQLDisconnect(cli.dbc));
    EXPECT_EQ(1, db2sim_counter("connections"));
    endContext(ctx);
}

TEST_F(Db2SimCli, ThreadsConnectAndAttachAtOnce) {
    constexpr int kThreads = 8;
    constexpr int kRounds = 50;
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&] {
            for (int round = 0; round < kRounds; ++round) {
                ThreadContext attached;
                sqlca ca{};
                char empty[] = "";
                failures += sqleatin_api(empty, empty, empty, &ca) != 0;
                void* ctx = createOnly();
                {
                    CliHandles cli;
                    failures += cli.bind(ctx) != SQL_SUCCESS;
                    failures += cli.connect("SAMPLE") != SQL_SUCCESS;
                }
                endContext(ctx);
                failures += sqledtin_api(&ca) != 0;
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(0, failures.load());
    EXPECT_EQ(0, db2sim_counter("cli_handles"));
    EXPECT_EQ(0, db2sim_counter("connections"));
    EXPECT_EQ(0, db2sim_counter("attachments"));
    EXPECT_EQ(1, db2sim_counter("contexts")) << "only the test's own";
}

}  // namespace
