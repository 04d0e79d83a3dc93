// The journal's bound: what its buffers hold stays within its budget however many threads come
// and go, and reading still gives the newest lines, each thread's in its order.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "db2sim/core/journal.h"

namespace {

using db2sim::Journal;

constexpr size_t kMaxLines = 1000;

std::string lineOf(int thread, int number) {
    return "t" + std::to_string(thread) + "(" + std::to_string(number) + ")";
}

void store(Journal& journal, int thread, int lines) {
    for (int i = 0; i < lines; ++i) {
        journal.add({"t", std::to_string(thread), "(", std::to_string(i), ")"});
    }
}

TEST(Journal, ThreadsThatComeAndGoLeaveNoMoreThanTheBudget) {
    Journal journal(kMaxLines);
    // Threads one after another, each storing less than the bound and ending.
    constexpr int kThreads = 60;
    constexpr int kEach = 400;
    for (int t = 0; t < kThreads; ++t) {
        std::thread([&] { store(journal, t, kEach); }).join();
        EXPECT_LE(journal.held(), 2 * kMaxLines + 1) << "after thread " << t;
    }
    // The newest kMaxLines, in the order they were stored.
    std::vector<std::string> expected;
    for (int n = kThreads * kEach - static_cast<int>(kMaxLines); n < kThreads * kEach; ++n) {
        expected.push_back(lineOf(n / kEach, n % kEach));
    }
    EXPECT_EQ(journal.lines(), expected);
}

TEST(Journal, OneThreadKeepsItsNewestLinesAndClearEmptiesAll) {
    Journal journal(kMaxLines);
    store(journal, 0, 3 * static_cast<int>(kMaxLines) + 7);
    const std::vector<std::string> lines = journal.lines();
    ASSERT_EQ(lines.size(), kMaxLines);
    EXPECT_EQ(lines.front(), lineOf(0, 2 * static_cast<int>(kMaxLines) + 7));
    EXPECT_EQ(lines.back(), lineOf(0, 3 * static_cast<int>(kMaxLines) + 6));
    journal.clear();
    EXPECT_EQ(journal.size(), 0u);
    store(journal, 1, 2);
    EXPECT_EQ(journal.lines(), (std::vector<std::string>{lineOf(1, 0), lineOf(1, 1)}));
}

TEST(Journal, ThreadsAtOnceStayWithinTheBudgetAndInTheirOrder) {
    Journal journal(kMaxLines);
    constexpr int kThreads = 8;
    constexpr int kEach = 3000;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&journal, t] { store(journal, t, kEach); });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_LE(journal.held(), 2 * kMaxLines + kThreads);
    const std::vector<std::string> lines = journal.lines();
    EXPECT_EQ(lines.size(), kMaxLines);
    // Each thread's lines are its newest and follow one another.
    std::vector<int> next(kThreads, -1);
    for (const std::string& line : lines) {
        const int thread = std::stoi(line.substr(1));
        const int number = std::stoi(line.substr(line.find('(') + 1));
        if (next[thread] >= 0) {
            EXPECT_EQ(number, next[thread]) << line;
        }
        next[thread] = number + 1;
    }
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_TRUE(next[t] == -1 || next[t] == kEach) << "thread " << t;
    }
}

}  // namespace
