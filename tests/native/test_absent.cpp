// Runs without a client library on the path (LibraryAbsent*) and against a stand-in that lacks
// sqlaintp_api and db2CfgGet (EntryPointAbsent*). The other native tests never run these.
#include <gtest/gtest.h>

#include <string>

#include "db2api/db2api.h"
#include "db2api/db2apicontext.h"
#include "db2api/db2apicontextcleaner.h"
#include "db2api/db2message.h"

namespace {

using db2::DB2API;

sqlca FailedSqlca() {
    sqlca ca{};
    ca.sqlcode = -1013;
    return ca;
}

class LibraryAbsent : public ::testing::Test {
  protected:
    // The first use of the loader in this process: what it prints is kept for the tests.
    static void SetUpTestSuite() {
        testing::internal::CaptureStderr();
        DB2API::Instance();
        s_loaderText = testing::internal::GetCapturedStderr();
    }

    static std::string s_loaderText;
};
std::string LibraryAbsent::s_loaderText;

TEST_F(LibraryAbsent, LoaderErrorIsPrintedOnceAsIs) {
    const std::string& text = s_loaderText;
    EXPECT_NE(text.find("libdb2.so"), std::string::npos) << text;
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');

    testing::internal::CaptureStderr();
    DB2API::Instance();
    sqlca ca{};
    DB2API::Instance().DetachNode(&ca);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(LibraryAbsent, EveryKindOfWrapperReportsAMissingEntryPoint) {
    const DB2API& api = DB2API::Instance();
    sqlca ca{};
    void* ctx = nullptr;
    SQLHANDLE env = 0;
    char name[] = "SAMPLE";
    EXPECT_EQ(api.SetTypcCtx(SQL_CTX_MULTI_MANUAL), -1);
    EXPECT_EQ(api.CreateContext(&ctx, SQL_CTX_CREATE_ONLY, nullptr, &ca), -1);
    EXPECT_EQ(api.AttachNode(name, nullptr, nullptr, &ca), -1);
    EXPECT_EQ(api.SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env), -1);
    EXPECT_EQ(api.ResetDBCfgV7(name, &ca), -1);
    EXPECT_EQ(api.GetConfigurationParametersV8(db2Version900, nullptr, &ca), -1);
    EXPECT_EQ(api.MonitorSwitches(db2Version900, nullptr, &ca), -1);
    EXPECT_EQ(api.DB2DatabaseRestart(db2Version900, nullptr, &ca), -1);
    EXPECT_EQ(api.Bind(name, name, nullptr, &ca), -1);
    EXPECT_EQ(api.Precompile(name, name, nullptr, &ca), -1);
    EXPECT_EQ(api.UnCatalogDatabase(name, &ca), -1);
    EXPECT_EQ(ca.sqlcode, 0);
    EXPECT_EQ(ctx, nullptr);
}

TEST_F(LibraryAbsent, MessagesReadAsFormatterFailureAndContextFunctionsDoNothingQuietly) {
    EXPECT_EQ(db2::GetError(FailedSqlca()), "Get Error Message Failed");
    EXPECT_EQ(db2::GetMessage(sqlca{}), "Get Error Message Failed");
    int fake = 0;
    testing::internal::CaptureStdout();
    {
        db2::CDB2APIContextCleaner guard(nullptr);
        db2::CDB2APIContext::AttachCtx(&fake);
        db2::CDB2APIContext::DetachCurrentCtx();
        db2::CDB2APIContext owned;  // creation fails: nothing to end later
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(db2::CDB2APIContext::GetCurrentCtx(), nullptr);
}

TEST(EntryPointAbsent, OnlyTheMissingEntryPointsFail) {
    const DB2API& api = DB2API::Instance();
    sqlca ca{};
    char buf[kMessageBufferSize] = {};
    ca.sqlcode = -1013;
    EXPECT_EQ(api.GetErrorMessage(buf, kMessageBufferSize, 0, &ca), -1);
    EXPECT_EQ(db2::GetError(FailedSqlca()), "Get Error Message Failed");

    sqlca cfg{};
    EXPECT_EQ(api.GetConfigurationParametersV8(db2Version900, nullptr, &cfg), -1);
    EXPECT_EQ(cfg.sqlcode, 0);

    void* ctx = nullptr;
    sqlca create{};
    EXPECT_NE(api.CreateContext(&ctx, SQL_CTX_CREATE_ONLY, nullptr, &create), -1);
    EXPECT_EQ(create.sqlcode, 0);
    ASSERT_NE(ctx, nullptr);
    sqlca end{};
    api.DestroyContext(&ctx, SQL_CTX_END_ALL, nullptr, &end);
    EXPECT_EQ(end.sqlcode, 0);
}

}  // namespace
