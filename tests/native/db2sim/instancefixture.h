// Tests of attachment and CLI: each runs on a fresh instance "db2inst1" in a temporary state
// folder, so users added by one test never reach another. Also: a context attached to the thread.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

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
