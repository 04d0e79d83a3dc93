// Shared helpers of the stand-in's tests: a fresh instance per test, zeroed sqlca, journal lines.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "db2sim/core/control.h"
#include "db2sim/core/entrypoints.h"

// Contexts are per thread, as the library sets them up, and the test's thread has one of its own
// (begun before the journal is cleared) unless the test clears withContext_ in its constructor.
class Db2SimTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sqleSetTypeCtx(SQL_CTX_MULTI_MANUAL);
        db2sim_reset();
        if (withContext_) {
            beginOwnContext();
            db2sim_clear_journal();
        }
    }

    // A context of the test's thread, ended by the next reset; counted among "contexts".
    static void beginOwnContext() {
        sqlca ca;
        sqleBeginCtx(nullptr, SQL_CTX_BEGIN_ALL, nullptr, &ca);
    }
    // A reset in the middle of a test: the thread gets a context again.
    static void resetInstance() {
        db2sim_reset();
        beginOwnContext();
    }
    // Runs `body` on a thread of its own, which has no context, and waits for it.
    template <class Body>
    static void withoutContext(Body body) {
        std::thread(body).join();
    }
    void TearDown() override { db2sim_reset(); }

    bool withContext_ = true;

    static sqlca zeroed() {
        sqlca ca;
        std::memset(&ca, 0, sizeof(ca));
        return ca;
    }

    static std::vector<std::string> journal() {
        std::string text(db2sim_journal(nullptr, 0) + 1, '\0');
        text.resize(db2sim_journal(&text[0], text.size()));
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    static std::string lastJournalLine() {
        std::vector<std::string> lines = journal();
        return lines.empty() ? std::string() : lines.back();
    }

    // The formatter's text for an sqlca, as the library asks for it.
    static std::string message(sqlca& ca) {
        char buffer[256];
        int rc = sqlaintp_api(buffer, sizeof(buffer), 0, "db2sql.mo", &ca);
        return rc > 0 ? std::string(buffer) : "rc " + std::to_string(rc);
    }

    static std::string field(const char* data, size_t size) { return std::string(data, size); }
};

// Attaches `ctx` to the calling thread for the life of the object, in place of the context the
// thread had, which is attached again at the end.
class OnContext {
  public:
    explicit OnContext(void* ctx) : ctx_(ctx) {
        sqlca ca;
        if (sqleGetCurrentCtx(&before_, nullptr, &ca) == 0) {
            sqleDetachFromCtx(before_, nullptr, &ca);
        } else {
            before_ = nullptr;
        }
        sqleAttachToCtx(ctx_, nullptr, &ca);
    }
    ~OnContext() {
        sqlca ca;
        sqleDetachFromCtx(ctx_, nullptr, &ca);
        if (before_ != nullptr) {
            sqleAttachToCtx(before_, nullptr, &ca);
        }
    }
    OnContext(const OnContext&) = delete;
    OnContext& operator=(const OnContext&) = delete;

  private:
    void* ctx_;
    void* before_ = nullptr;
};
