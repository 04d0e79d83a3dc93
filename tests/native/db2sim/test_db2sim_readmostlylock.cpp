// The instance lock: readers on many threads at once, writers alone, no writer starved and no
// reader that takes the lock again caught behind a waiting writer.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <shared_mutex>
#include <thread>
#include <vector>

#include "db2sim/core/readmostlylock.h"

namespace {

using db2sim::ReadMostlyLock;

// More threads than counters, so some threads share one.
constexpr int kReaders = ReadMostlyLock::kSlots + 4;

TEST(ReadMostlyLock, WritersAreAloneAndReadersSeeWholeWrites) {
    ReadMostlyLock lock;
    // Two values a writer changes together; a reader must never see them apart.
    long first = 0;
    long second = 0;
    std::atomic<bool> torn{false};
    std::atomic<int> inside{0};
    std::atomic<bool> overlapped{false};
    std::atomic<bool> stop{false};
    std::vector<std::thread> threads;
    for (int r = 0; r < kReaders; ++r) {
        threads.emplace_back([&] {
            while (!stop.load()) {
                std::shared_lock<ReadMostlyLock> reading(lock);
                if (first != second) {
                    torn = true;
                }
            }
        });
    }
    for (int w = 0; w < 2; ++w) {
        threads.emplace_back([&] {
            for (int i = 0; i < 2000; ++i) {
                std::unique_lock<ReadMostlyLock> writing(lock);
                if (inside.fetch_add(1) != 0) {
                    overlapped = true;
                }
                ++first;
                std::this_thread::yield();
                ++second;
                inside.fetch_sub(1);
            }
        });
    }
    // The writers finish although readers never stop coming.
    threads[kReaders].join();
    threads[kReaders + 1].join();
    stop = true;
    for (int r = 0; r < kReaders; ++r) {
        threads[r].join();
    }
    EXPECT_FALSE(torn);
    EXPECT_FALSE(overlapped);
    EXPECT_EQ(first, 4000);
}

TEST(ReadMostlyLock, TriesFailWhileTheOtherSideHoldsAndSucceedAfter) {
    ReadMostlyLock lock;
    lock.lock_shared();
    std::thread([&] { EXPECT_FALSE(lock.try_lock()); }).join();
    lock.unlock_shared();
    ASSERT_TRUE(lock.try_lock());
    std::thread([&] {
        EXPECT_FALSE(lock.try_lock_shared());
        EXPECT_FALSE(lock.try_lock());
    }).join();
    lock.unlock();
    std::thread([&] {
        ASSERT_TRUE(lock.try_lock_shared());
        lock.unlock_shared();
    }).join();
}

TEST(ReadMostlyLock, AReaderTakesItAgainWhileAWriterWaits) {
    ReadMostlyLock lock;
    std::shared_lock<ReadMostlyLock> outer(lock);
    std::atomic<bool> written{false};
    std::thread writer([&] {
        std::unique_lock<ReadMostlyLock> writing(lock);
        written = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // let the writer wait
    {
        std::shared_lock<ReadMostlyLock> inner(lock);
        EXPECT_FALSE(written);
    }
    EXPECT_FALSE(written);
    outer.unlock();
    writer.join();
    EXPECT_TRUE(written);
}

}  // namespace
