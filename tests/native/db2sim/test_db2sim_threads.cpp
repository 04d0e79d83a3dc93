// Threads at once on the stand-in: journal lines whole and in each thread's call order, faults
// firing exactly as often as injected, and live counters exact while threads hold what they count.
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "db2simfixture.h"

namespace {

constexpr int kThreads = 8;

// Lets `count` threads wait until all of them arrived.
class Latch {
  public:
    explicit Latch(int count) : left_(count) {}
    void arriveAndWait() {
        std::unique_lock<std::mutex> guard(lock_);
        if (--left_ == 0) {
            arrived_.notify_all();
        }
        arrived_.wait(guard, [&] { return left_ == 0; });
    }

  private:
    std::mutex lock_;
    std::condition_variable arrived_;
    int left_;
};

class Db2SimThreads : public Db2SimTest {
  protected:
    // Runs body(thread index) on kThreads threads, each with a context of its own.
    template <class Body>
    static void onThreads(Body body) {
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&body, t] {
                void* ctx = nullptr;
                sqlca ca;
                sqleBeginCtx(&ctx, SQL_CTX_BEGIN_ALL, nullptr, &ca);
                body(t);
                sqleEndCtx(&ctx, SQL_CTX_END_ALL, nullptr, &ca);
            });
        }
        for (std::thread& thread : threads) {
            thread.join();
        }
    }

    // Opens a database directory scan: the sqlcode, and the handle in `handle`.
    static int openScan(unsigned short& handle) {
        sqlca ca = zeroed();
        unsigned short count = 0;
        sqledosd_api(nullptr, &handle, &count, &ca);
        return ca.sqlcode;
    }
    static void closeScan(unsigned short handle) {
        sqlca ca = zeroed();
        sqledcls_api(handle, &ca);
    }
};

TEST_F(Db2SimThreads, JournalLinesStayWholeAndInEachThreadsOrder) {
    constexpr int kCalls = 2000;
    db2sim_clear_journal();
    onThreads([](int t) {
        for (int i = 0; i < kCalls; ++i) {
            char path[32];
            std::snprintf(path, sizeof(path), "t%d-%05d", t, i);
            unsigned short handle = 0;
            unsigned short count = 0;
            sqlca ca;
            sqledosd_api(path, &handle, &count, &ca);  // a path: refused at once
        }
    });
    std::vector<int> next(kThreads, 0);
    int lines = 0;
    for (const std::string& line : journal()) {
        int t = -1;
        int i = -1;
        char rest[128] = "";
        if (std::sscanf(line.c_str(), "sqledosd_api(pPath=\"t%d-%d\", %127[^\n]", &t, &i, rest) !=
            3) {
            continue;  // the threads' own context calls
        }
        ++lines;
        ASSERT_TRUE(t >= 0 && t < kThreads) << line;
        EXPECT_EQ(next[t]++, i) << "in call order: " << line;
        EXPECT_NE(std::string::npos, line.find(") -> -1031 sqlcode=-1031")) << "whole: " << line;
    }
    EXPECT_EQ(kThreads * kCalls, lines);
}

TEST_F(Db2SimThreads, FaultsFireExactlyAsOftenAsInjected) {
    constexpr int kInjected = 100;
    constexpr int kCalls = 50;
    ASSERT_EQ(0, db2sim_inject("sqledosd_api", DB2SIM_FAULT_ERROR, -1013, "X", kInjected));
    std::atomic<int> faulted{0};
    onThreads([&](int) {
        for (int i = 0; i < kCalls; ++i) {
            unsigned short handle = 0;
            int sqlcode = openScan(handle);
            if (sqlcode == -1013) {
                ++faulted;
            } else {
                closeScan(handle);
            }
        }
    });
    EXPECT_EQ(kInjected, faulted.load());
    EXPECT_EQ(0, db2sim_counter("scans"));
}

TEST_F(Db2SimThreads, CountersAreExactWhileThreadsHoldWhatTheyCount) {
    Latch opened(kThreads + 1);
    Latch counted(kThreads + 1);
    std::atomic<int> failures{0};
    std::thread threads([&] {
        onThreads([&](int) {
            unsigned short handle = 0;
            sqlca ca = zeroed();
            char local[] = "";
            failures += openScan(handle) != 0;
            failures += sqleatin_api(local, local, local, &ca) != 0;
            opened.arriveAndWait();
            counted.arriveAndWait();
            closeScan(handle);
            failures += sqledtin_api(&ca) != 0;
        });
    });
    opened.arriveAndWait();
    EXPECT_EQ(kThreads, db2sim_counter("scans"));
    EXPECT_EQ(kThreads, db2sim_counter("attachments"));
    EXPECT_EQ(1 + kThreads, db2sim_counter("contexts"));
    unsigned short ninth = 0;
    EXPECT_EQ(-1056, openScan(ninth)) << "eight scans of a directory at most";
    counted.arriveAndWait();
    threads.join();
    EXPECT_EQ(0, failures.load());
    EXPECT_EQ(0, db2sim_counter("scans"));
    EXPECT_EQ(0, db2sim_counter("attachments"));
    EXPECT_EQ(1, db2sim_counter("contexts")) << "only the test's own";
}

}  // namespace
