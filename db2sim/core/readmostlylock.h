// A shared/exclusive lock for state that nearly every call reads and few calls change: the
// instance lock.
//
// A ReadMostlyLock keeps its readers in one word, so every shared lock and unlock writes the
// same cache line; two threads reading at once then pass that line between their cores on every
// call, which costs more than the short calls themselves. Here each reader counts itself in one of
// kSlots counters, a cache line apart, chosen once per thread, so readers on different threads
// write different lines. A writer takes the writers' mutex, raises a flag that turns new readers
// away, and waits until every counter is zero; a reader that finds the flag raised steps back and
// waits on the writers' mutex. Writers therefore are not starved by a stream of readers.
//
// A thread may take the shared lock again while it holds it (it is then counted again without
// looking at the flag, so a waiting writer cannot deadlock it). Taking the exclusive lock while
// holding either, or the shared lock while holding the exclusive one, deadlocks as with
// ReadMostlyLock. Usable with std::shared_lock and std::unique_lock.
#pragma once

#include <atomic>
#include <cstddef>
#include <mutex>

namespace db2sim {

class ReadMostlyLock {
  public:
    static constexpr size_t kSlots = 32;

    ReadMostlyLock() = default;
    ReadMostlyLock(const ReadMostlyLock&) = delete;
    ReadMostlyLock& operator=(const ReadMostlyLock&) = delete;

    void lock();
    bool try_lock();
    void unlock();

    void lock_shared();
    bool try_lock_shared();
    void unlock_shared();

  private:
    // Two cache lines each: the adjacent-line prefetcher pairs lines.
    struct alignas(128) Readers {
        std::atomic<long> count{0};
    };

    // The calling thread's counter, and whether it already holds this lock shared.
    Readers& mine();
    bool heldByMe() const;
    // One attempt: counted in when no writer is in or waiting.
    bool enterShared(Readers& readers);
    bool readersGone() const;

    Readers readers_[kSlots];
    alignas(128) std::atomic<bool> writing_{false};
    std::mutex writers_;
};

}  // namespace db2sim
