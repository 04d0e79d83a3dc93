// Application contexts of the stand-in: options of begin and end, one context per thread and any
// number of threads per context, addresses above 4 GiB, refusal of pointers that are not
// contexts, and the context type: per-thread contexts count only in manual mode.
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "db2api/db2structs.h"
#include "db2simfixture.h"

namespace {

class Db2SimContexts : public Db2SimTest {
  protected:
    Db2SimContexts() { withContext_ = false; }

    static void* create(sqlint32 option) {
        sqlca ca = zeroed();
        void* ctx = nullptr;
        EXPECT_EQ(0, sqleBeginCtx(&ctx, option, nullptr, &ca));
        EXPECT_EQ(0, ca.sqlcode);
        return ctx;
    }
    static void* current(int* sqlcode = nullptr) {
        sqlca ca = zeroed();
        void* ctx = reinterpret_cast<void*>(1);
        sqleGetCurrentCtx(&ctx, nullptr, &ca);
        if (sqlcode != nullptr) {
            *sqlcode = ca.sqlcode;
        }
        return ctx;
    }
    static int attach(void* ctx) {
        sqlca ca = zeroed();
        sqleAttachToCtx(ctx, nullptr, &ca);
        return ca.sqlcode;
    }
    static int detach(void* ctx) {
        sqlca ca = zeroed();
        sqleDetachFromCtx(ctx, nullptr, &ca);
        return ca.sqlcode;
    }
    static int end(void** ctx, sqlint32 option) {
        sqlca ca = zeroed();
        sqleEndCtx(ctx, option, nullptr, &ca);
        return ca.sqlcode;
    }
};

// Runs `body` on another thread and waits for it.
template <class Body>
void onOtherThread(Body body) {
    std::thread worker(body);
    worker.join();
}

TEST_F(Db2SimContexts, CreateOnlyThenAttachDetachEnd) {
    sqlca ca = zeroed();
    void* ctx = nullptr;
    ASSERT_EQ(0, sqleBeginCtx(&ctx, SQL_CTX_CREATE_ONLY, nullptr, &ca));
    ASSERT_NE(nullptr, ctx);
    EXPECT_EQ("SQLCA   ", field(ca.sqlcaid, 8));
    EXPECT_EQ(136, ca.sqlcabc);
    EXPECT_EQ("SQL09074", field(ca.sqlerrp, 8));
    EXPECT_EQ("00000", field(ca.sqlstate, 5));
    EXPECT_EQ(1, db2sim_counter("contexts"));

    int sqlcode = 0;
    EXPECT_EQ(nullptr, current(&sqlcode)) << "create-only must not attach";
    EXPECT_EQ(-1445, sqlcode);

    EXPECT_EQ(0, attach(ctx));
    EXPECT_EQ(ctx, current(&sqlcode));
    EXPECT_EQ(0, sqlcode);
    EXPECT_EQ(0, detach(ctx));
    EXPECT_EQ(nullptr, current());

    EXPECT_EQ(0, end(&ctx, SQL_CTX_END_ALL));
    EXPECT_EQ(nullptr, ctx);
    EXPECT_EQ(0, db2sim_counter("contexts"));
}

TEST_F(Db2SimContexts, BeginAllAttachesAndRefusesASecondOnTheSameThread) {
    void* first = create(SQL_CTX_BEGIN_ALL);
    EXPECT_EQ(first, current());

    sqlca ca = zeroed();
    void* second = nullptr;
    sqleBeginCtx(&second, SQL_CTX_BEGIN_ALL, nullptr, &ca);
    EXPECT_EQ(-1443, ca.sqlcode);
    EXPECT_EQ(nullptr, second);
    EXPECT_EQ(1, db2sim_counter("contexts")) << "a refused begin must not leak a context";

    void* other = create(SQL_CTX_CREATE_ONLY);
    EXPECT_EQ(-1443, attach(other)) << "the thread already has a context";
    EXPECT_EQ(-1443, attach(first)) << "attaching the current context again is refused too";

    // End-all detaches the calling thread's context before freeing it.
    EXPECT_EQ(0, end(&first, SQL_CTX_END_ALL));
    EXPECT_EQ(nullptr, current());
    EXPECT_EQ(0, attach(other));
}

TEST_F(Db2SimContexts, FreeOnlyRefusesAnAttachedContext) {
    void* ctx = create(SQL_CTX_BEGIN_ALL);
    EXPECT_EQ(-1444, end(&ctx, SQL_CTX_FREE_ONLY));
    EXPECT_NE(nullptr, ctx);
    EXPECT_EQ(ctx, current());

    EXPECT_EQ(0, detach(ctx));
    EXPECT_EQ(0, end(&ctx, SQL_CTX_FREE_ONLY));
    EXPECT_EQ(0, db2sim_counter("contexts"));
}

TEST_F(Db2SimContexts, DetachOnlyTheThreadsOwnContext) {
    void* attached = create(SQL_CTX_BEGIN_ALL);
    void* loose = create(SQL_CTX_CREATE_ONLY);
    EXPECT_EQ(-1442, detach(loose));
    EXPECT_EQ(attached, current()) << "a refused detach changes nothing";
    EXPECT_EQ(0, detach(attached));
    EXPECT_EQ(-1442, detach(attached)) << "already detached";
}

TEST_F(Db2SimContexts, EachThreadHasItsOwnCurrentContext) {
    void* mine = create(SQL_CTX_BEGIN_ALL);
    void* theirs = nullptr;
    void* seenThere = nullptr;
    onOtherThread([&] {
        seenThere = current();
        theirs = create(SQL_CTX_BEGIN_ALL);
    });
    EXPECT_EQ(nullptr, seenThere) << "a new thread starts without a context";
    EXPECT_NE(mine, theirs);
    EXPECT_EQ(mine, current());
    EXPECT_EQ(2, db2sim_counter("contexts"));
}

TEST_F(Db2SimContexts, ThreadsShareAContextAndItsAttachment) {
    void* ctx = create(SQL_CTX_CREATE_ONLY);
    std::mutex lock;
    std::condition_variable changed;
    int step = 0;
    auto advanceTo = [&](int next) {
        std::lock_guard<std::mutex> guard(lock);
        step = next;
        changed.notify_all();
    };
    auto waitFor = [&](int wanted) {
        std::unique_lock<std::mutex> guard(lock);
        changed.wait(guard, [&] { return step == wanted; });
    };

    std::thread other([&] {
        EXPECT_EQ(0, attach(ctx));
        sqlca ca = zeroed();
        char local[] = "";
        EXPECT_EQ(0, sqleatin_api(local, local, local, &ca));
        advanceTo(1);
        waitFor(2);
        EXPECT_EQ(0, detach(ctx));
        advanceTo(3);
    });
    waitFor(1);
    EXPECT_EQ(0, attach(ctx)) << "a second thread joins the context";
    EXPECT_EQ(ctx, current());
    sqlca ca = zeroed();
    EXPECT_EQ(0, sqledtin_api(&ca)) << "the other thread's attachment is this context's";
    void* copy = ctx;
    EXPECT_EQ(-1444, end(&copy, SQL_CTX_END_ALL)) << "still used by the other thread";
    EXPECT_EQ(-1444, end(&copy, SQL_CTX_FREE_ONLY));
    advanceTo(2);
    waitFor(3);
    other.join();

    EXPECT_EQ(0, end(&ctx, SQL_CTX_END_ALL)) << "ends once this thread is the last one";
    EXPECT_EQ(0, db2sim_counter("contexts"));
}

TEST_F(Db2SimContexts, LiveAbove4GiBSoATruncatedHandleIsRefused) {
    if (sizeof(void*) < 8) {
        GTEST_SKIP() << "pointers are 32 bits";
    }
    void* ctx = create(SQL_CTX_CREATE_ONLY);
    uintptr_t address = reinterpret_cast<uintptr_t>(ctx);
    EXPECT_GE(address, uintptr_t{1} << 32);
    void* truncated = reinterpret_cast<void*>(address & 0xFFFFFFFFu);
    EXPECT_EQ(-1441, attach(truncated));
    EXPECT_EQ(-1441, end(&truncated, SQL_CTX_END_ALL));
    EXPECT_EQ(1, db2sim_counter("contexts"));
}

TEST_F(Db2SimContexts, PointersThatAreNotLiveContextsAreRefused) {
    void* ctx = create(SQL_CTX_CREATE_ONLY);
    void* freed = create(SQL_CTX_CREATE_ONLY);
    void* freedCopy = freed;
    ASSERT_EQ(0, end(&freedCopy, SQL_CTX_FREE_ONLY));
    int onStack = 0;
    void* wild[] = {nullptr, &onStack, static_cast<char*>(ctx) + 8, freed,
                    reinterpret_cast<void*>(0xDEADBEEFull)};
    for (void* p : wild) {
        EXPECT_EQ(-1441, attach(p)) << p;
        EXPECT_EQ(-1441, detach(p)) << p;
        void* copy = p;
        EXPECT_EQ(-1441, end(&copy, SQL_CTX_END_ALL)) << p;
        EXPECT_EQ(p, copy) << "a refused end leaves the caller's pointer";
    }
    EXPECT_EQ(1, db2sim_counter("contexts"));
}

TEST_F(Db2SimContexts, BadOptionsAndArgumentsAreRefused) {
    sqlca ca = zeroed();
    void* ctx = nullptr;
    sqleBeginCtx(&ctx, 7, nullptr, &ca);
    EXPECT_EQ(-1441, ca.sqlcode);
    ca = zeroed();
    sqleBeginCtx(nullptr, SQL_CTX_CREATE_ONLY, nullptr, &ca);
    EXPECT_EQ(-1441, ca.sqlcode) << "create-only needs somewhere to put the context";
    ca = zeroed();
    EXPECT_EQ(0, sqleBeginCtx(nullptr, SQL_CTX_BEGIN_ALL, nullptr, &ca))
        << "begin-all may go without the out pointer";
    EXPECT_NE(nullptr, current());

    int reserved = 0;
    ca = zeroed();
    sqleBeginCtx(&ctx, SQL_CTX_CREATE_ONLY, &reserved, &ca);
    EXPECT_EQ(-1441, ca.sqlcode);
    ca = zeroed();
    sqleGetCurrentCtx(nullptr, nullptr, &ca);
    EXPECT_EQ(-1441, ca.sqlcode);

    ctx = current();
    EXPECT_EQ(-1441, end(&ctx, 5));
    EXPECT_EQ(-1441, end(nullptr, SQL_CTX_END_ALL));
    EXPECT_EQ(1, db2sim_counter("contexts"));
}

TEST_F(Db2SimContexts, NullSqlcaAnswersMinusOneAndChangesNothing) {
    void* ctx = nullptr;
    EXPECT_EQ(-1, sqleBeginCtx(&ctx, SQL_CTX_CREATE_ONLY, nullptr, nullptr));
    EXPECT_EQ(nullptr, ctx);
    EXPECT_EQ(-1, sqleGetCurrentCtx(&ctx, nullptr, nullptr));
    EXPECT_EQ(0, db2sim_counter("contexts"));
}

TEST_F(Db2SimContexts, ResetEndsTheContextsOfEveryThread) {
    void* mine = create(SQL_CTX_BEGIN_ALL);
    std::mutex lock;
    std::condition_variable changed;
    int step = 0;
    void* seenAfterReset = reinterpret_cast<void*>(1);
    int sqlcodeAfterReset = 0;
    std::thread other([&] {
        create(SQL_CTX_BEGIN_ALL);
        std::unique_lock<std::mutex> guard(lock);
        step = 1;
        changed.notify_all();
        changed.wait(guard, [&] { return step == 2; });
        seenAfterReset = current(&sqlcodeAfterReset);
    });
    {
        std::unique_lock<std::mutex> guard(lock);
        changed.wait(guard, [&] { return step == 1; });
    }
    EXPECT_EQ(2, db2sim_counter("contexts"));
    db2sim_reset();
    {
        std::lock_guard<std::mutex> guard(lock);
        step = 2;
        changed.notify_all();
    }
    other.join();
    EXPECT_EQ(nullptr, seenAfterReset);
    EXPECT_EQ(-1445, sqlcodeAfterReset);
    EXPECT_EQ(nullptr, current());
    EXPECT_EQ(-1441, attach(mine)) << "a context ended by reset is gone";
    EXPECT_EQ(0, db2sim_counter("contexts"));
}

TEST_F(Db2SimContexts, ManyThreadsAtOnceLeaveNoContextBehind) {
    constexpr int kThreads = 8;
    constexpr int kRounds = 500;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([] {
            for (int i = 0; i < kRounds; ++i) {
                sqlca ca = zeroed();
                void* ctx = nullptr;
                sqleBeginCtx(&ctx, SQL_CTX_CREATE_ONLY, nullptr, &ca);
                sqleAttachToCtx(ctx, nullptr, &ca);
                void* seen = nullptr;
                sqleGetCurrentCtx(&seen, nullptr, &ca);
                EXPECT_EQ(ctx, seen);
                sqleEndCtx(&ctx, SQL_CTX_END_ALL, nullptr, &ca);
                EXPECT_EQ(0, ca.sqlcode);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(0, db2sim_counter("contexts"));
}

TEST_F(Db2SimContexts, ContextTypeIsAcceptedAndJournalled) {
    EXPECT_EQ(0, sqleSetTypeCtx(SQL_CTX_MULTI_MANUAL));
    EXPECT_EQ(-1441, sqleSetTypeCtx(9));
    EXPECT_EQ("sqleSetTypeCtx(lOptions=9) -> -1441", lastJournalLine());
}

TEST_F(Db2SimContexts, ManualModeRefusesAdministrativeCallsWithoutAContext) {
    sqlca ca = zeroed();
    EXPECT_EQ(-1445, sqledtin_api(&ca));
    EXPECT_EQ(0u, message(ca).find("SQL1445N")) << "the formatter needs no context";
    EXPECT_EQ(-1445, sqlfrsys(&ca));
    db2Cfg cfg{};
    EXPECT_EQ(-1445, db2CfgGet(db2Version970, &cfg, &ca)) << "before the structure is read";
    SQLHENV env = SQL_NULL_HANDLE;
    EXPECT_EQ(SQL_SUCCESS, SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env))
        << "CLI calls work on their connection's context";
    EXPECT_EQ(SQL_SUCCESS, SQLFreeHandle(SQL_HANDLE_ENV, env));
}

// In the original mode every thread works on the process's one context, whatever it attached:
// an attachment made on one thread's context is the other thread's too.
TEST_F(Db2SimContexts, OriginalModeSharesOneContextAmongAllThreads) {
    for (sqlint32 type : {SQL_CTX_ORIGINAL, SQL_CTX_MULTI_MANUAL}) {
        ASSERT_EQ(0, sqleSetTypeCtx(type));
        void* mine = create(SQL_CTX_BEGIN_ALL);
        sqlca ca = zeroed();
        char local[] = "";
        ASSERT_EQ(0, sqleatin_api(local, local, local, &ca));
        int detached = 0;
        onOtherThread([&] {
            void* theirs = create(SQL_CTX_BEGIN_ALL);
            sqlca other = zeroed();
            detached = sqledtin_api(&other);
            end(&theirs, SQL_CTX_END_ALL);
        });
        EXPECT_EQ(type == SQL_CTX_ORIGINAL ? 0 : -1427, detached) << "type " << type;
        EXPECT_EQ(type == SQL_CTX_ORIGINAL ? 0 : 1, db2sim_counter("attachments"));
        end(&mine, SQL_CTX_END_ALL);
        db2sim_reset();
    }
}

}  // namespace
