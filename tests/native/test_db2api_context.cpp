// DB2 application contexts on the calling thread and the per-call guard, against the stand-in.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "db2api/db2api.h"
#include "db2api/db2apicontext.h"
#include "db2api/db2apicontextcleaner.h"

namespace {

using db2::CDB2APIContext;
using db2::CDB2APIContextCleaner;

// A context created for a test (not attached) and ended with it.
class TestContext {
  public:
    TestContext() {
        sqlca ca{};
        db2::DB2API::Instance().CreateContext(&m_ctx, SQL_CTX_CREATE_ONLY, nullptr, &ca);
    }
    ~TestContext() {
        sqlca ca{};
        db2::DB2API::Instance().DestroyContext(&m_ctx, SQL_CTX_END_ALL, nullptr, &ca);
    }
    TestContext(const TestContext&) = delete;
    TestContext& operator=(const TestContext&) = delete;

    void* get() const { return m_ctx; }

  private:
    void* m_ctx = nullptr;
};

class Contexts : public ::testing::Test {
  protected:
    void SetUp() override {
        CDB2APIContext::DetachCurrentCtx();
        ASSERT_NE(a.get(), nullptr);
        ASSERT_NE(b.get(), nullptr);
    }
    void TearDown() override { CDB2APIContext::DetachCurrentCtx(); }

    TestContext a;
    TestContext b;
};

TEST_F(Contexts, AttachAndDetachActOnTheCallingThreadAndDoNothingQuietlyWithoutAContext) {
    EXPECT_EQ(CDB2APIContext::GetCurrentCtx(), nullptr);
    CDB2APIContext::AttachCtx(a.get());
    EXPECT_EQ(CDB2APIContext::GetCurrentCtx(), a.get());
    CDB2APIContext::DetachCurrentCtx();
    EXPECT_EQ(CDB2APIContext::GetCurrentCtx(), nullptr);
    testing::internal::CaptureStdout();
    CDB2APIContext::AttachCtx(nullptr);
    CDB2APIContext::DetachCurrentCtx();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(CDB2APIContext::GetCurrentCtx(), nullptr);
}

TEST_F(Contexts, RefusedAttachPrintsTheDiagnosticLineAndCarriesOn) {
    CDB2APIContext::AttachCtx(a.get());
    testing::internal::CaptureStdout();
    CDB2APIContext::AttachCtx(b.get());  // the thread already holds a
    const std::string line = testing::internal::GetCapturedStdout();
    EXPECT_EQ(line.rfind("SQL", 0), 0u) << line;
    const std::string tail = ", db2apicontext, 142\n";
    ASSERT_GE(line.size(), tail.size());
    EXPECT_EQ(line.substr(line.size() - tail.size()), tail);
    EXPECT_EQ(CDB2APIContext::GetCurrentCtx(), a.get());
}

TEST_F(Contexts, GuardRestoresWhatTheThreadHadOnEntry) {
    {
        CDB2APIContextCleaner guard(nullptr);
        CDB2APIContext::AttachCtx(b.get());
    }
    EXPECT_EQ(CDB2APIContext::GetCurrentCtx(), nullptr) << "none on entry, none after";
    CDB2APIContext::AttachCtx(a.get());
    {
        CDB2APIContextCleaner guard(nullptr);
        EXPECT_EQ(CDB2APIContext::GetCurrentCtx(), a.get());
        CDB2APIContext::DetachCurrentCtx();
        CDB2APIContext::AttachCtx(b.get());
    }
    EXPECT_EQ(CDB2APIContext::GetCurrentCtx(), a.get());
}

TEST_F(Contexts, GuardRestoresTheEntryContextWhenUnwinding) {
    CDB2APIContext::AttachCtx(a.get());
    try {
        CDB2APIContextCleaner guard(nullptr);
        CDB2APIContext::DetachCurrentCtx();
        CDB2APIContext::AttachCtx(b.get());
        throw std::runtime_error("command failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(CDB2APIContext::GetCurrentCtx(), a.get());
    // b is free again: another guard can make it current.
    CDB2APIContext adopted(b.get());
    CDB2APIContextCleaner guard(&adopted);
    EXPECT_TRUE(adopted.IsCurrentContext());
}

TEST_F(Contexts, GuardMakesTheGivenContextCurrentForItsLifetime) {
    CDB2APIContext::AttachCtx(a.get());
    CDB2APIContext adopted(b.get());
    {
        CDB2APIContextCleaner guard(&adopted);
        EXPECT_TRUE(adopted.IsCurrentContext());
    }
    EXPECT_EQ(CDB2APIContext::GetCurrentCtx(), a.get());
    // An adopted context outlives its wrapper: still attachable after the guard.
    CDB2APIContext::DetachCurrentCtx();
    testing::internal::CaptureStdout();
    CDB2APIContext::AttachCtx(b.get());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(Contexts, AttachReturnsThePreviousContextAndDetachPutsItBack) {
    CDB2APIContext::AttachCtx(a.get());
    CDB2APIContext other(b.get());
    void* previous = other.Attach();
    EXPECT_EQ(previous, a.get());
    EXPECT_TRUE(other.IsCurrentContext());
    EXPECT_EQ(other.Attach(), b.get());  // already current: nothing changes
    other.Detach(previous);
    EXPECT_EQ(CDB2APIContext::GetCurrentCtx(), a.get());
    other.Detach(a.get());  // already current: nothing happens
    EXPECT_EQ(CDB2APIContext::GetCurrentCtx(), a.get());
}

TEST_F(Contexts, OwnedContextIsCreatedDetachedAndEndedWithItsObject) {
    void* created = nullptr;
    {
        CDB2APIContext owned;
        EXPECT_EQ(CDB2APIContext::GetCurrentCtx(), nullptr);
        EXPECT_EQ(owned.Attach(), nullptr);
        created = CDB2APIContext::GetCurrentCtx();
        ASSERT_NE(created, nullptr);
        EXPECT_NE(created, a.get());
        EXPECT_NE(created, b.get());
    }
    EXPECT_EQ(CDB2APIContext::GetCurrentCtx(), nullptr);
    // Ended: the client no longer knows it.
    testing::internal::CaptureStdout();
    CDB2APIContext::AttachCtx(created);
    EXPECT_NE(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(CDB2APIContext::GetCurrentCtx(), nullptr);
}

}  // namespace
