// Tests of attachment and CLI: each runs on a fresh instance "db2inst1" in a temporary state
// folder, so users added by one test never reach another. Also: a context attached to the thread
// and a CLI connection on a context.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "db2simfixture.h"

// Sets an environment variable for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        const char* before = std::getenv(name);
        wasSet_ = before != nullptr;
        before_ = wasSet_ ? before : "";
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (wasSet_) {
            setenv(name_, before_.c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    bool wasSet_;
    std::string before_;
};

// A temporary folder, removed with everything in it.
class TemporaryFolder {
  public:
    TemporaryFolder() {
        char pattern[] = "/tmp/db2siminstXXXXXX";
        path_ = mkdtemp(pattern) != nullptr ? pattern : "/tmp/db2siminst-failed";
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// The variables are set before Db2SimTest::SetUp resets the instance; the next test's reset reads
// them again after they are restored.
class Db2SimInstanceTest : public Db2SimTest {
  protected:
    TemporaryFolder folder_;
    ScopedEnv home_{"DB2SIM_HOME", folder_.path()};
    ScopedEnv instance_{"DB2INSTANCE", "db2inst1"};
};

// A context created and attached to the calling thread for the life of the object, in place of
// the one the thread had (attached again at the end).
class ThreadContext {
  public:
    ThreadContext() {
        sqlca ca;
        if (sqleGetCurrentCtx(&before_, nullptr, &ca) == 0) {
            sqleDetachFromCtx(before_, nullptr, &ca);
        } else {
            before_ = nullptr;
        }
        sqleBeginCtx(&ctx_, SQL_CTX_BEGIN_ALL, nullptr, &ca);
    }
    ~ThreadContext() {
        sqlca ca;
        if (ctx_ != nullptr) {
            sqleEndCtx(&ctx_, SQL_CTX_END_ALL, nullptr, &ca);
        }
        if (before_ != nullptr) {
            sqleAttachToCtx(before_, nullptr, &ca);
        }
    }
    ThreadContext(const ThreadContext&) = delete;
    ThreadContext& operator=(const ThreadContext&) = delete;

    void* get() const { return ctx_; }
    // Ends the context now; false when the stand-in refused.
    bool end() {
        sqlca ca;
        return sqleEndCtx(&ctx_, SQL_CTX_END_ALL, nullptr, &ca) == 0;
    }

  private:
    void* ctx_ = nullptr;
    void* before_ = nullptr;
};

inline SQLCHAR* cliText(const char* value) {
    return reinterpret_cast<SQLCHAR*>(const_cast<char*>(value));
}

// A CLI connection bound to `ctx`, or to a context of its own when none is given; disconnected
// and freed (its own context ended) with the object.
class Connected {
  public:
    explicit Connected(void* ctx = nullptr) : ctx_(ctx) {
        sqlca ca;
        if (ctx_ == nullptr) {
            sqleBeginCtx(&ctx_, SQL_CTX_CREATE_ONLY, nullptr, &ca);
            owned_ = true;
        }
        SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env_);
        SQLSetEnvAttr(env_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        SQLAllocHandle(SQL_HANDLE_DBC, env_, &dbc_);
        SQLSetConnectAttr(dbc_, SQL_ATTR_CONTEXT, ctx_, 0);
    }
    ~Connected() {
        SQLDisconnect(dbc_);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
        SQLFreeHandle(SQL_HANDLE_ENV, env_);
        sqlca ca;
        if (owned_) {
            sqleEndCtx(&ctx_, SQL_CTX_END_ALL, nullptr, &ca);
        }
    }
    Connected(const Connected&) = delete;
    Connected& operator=(const Connected&) = delete;

    SQLRETURN connect(const char* alias, const char* user = "db2inst1",
                      const char* password = "db2sim") {
        return SQLConnect(dbc_, cliText(alias), SQL_NTS, cliText(user), SQL_NTS, cliText(password),
                          SQL_NTS);
    }
    SQLRETURN disconnect() { return SQLDisconnect(dbc_); }
    void* ctx() const { return ctx_; }

  private:
    void* ctx_;
    bool owned_ = false;
    SQLHENV env_ = 0;
    SQLHDBC dbc_ = 0;
};

// A whole scan of the database directory: the open's count and every entry until +1014.
struct DbListing {
    int openRc = 0;
    unsigned short count = 0;
    std::vector<sqledinfo> entries;
};

inline DbListing listDatabases() {
    DbListing listing;
    sqlca ca = sqlca{};
    unsigned short handle = 0;
    listing.openRc = sqledosd_api(nullptr, &handle, &listing.count, &ca);
    if (listing.openRc < 0) {
        return listing;
    }
    sqledinfo* entry = nullptr;
    while (sqledgne_api(handle, &entry, &ca) == 0) {
        listing.entries.push_back(*entry);
    }
    EXPECT_EQ(1014, ca.sqlcode);
    EXPECT_EQ(0, sqledcls_api(handle, &ca));
    return listing;
}
