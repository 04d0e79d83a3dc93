#include "db2sim/core/readmostlylock.h"

#include <array>
#include <chrono>
#include <thread>

namespace db2sim {
namespace {

constexpr int kSpins = 100;

// Threads take counters in turn, so the first kSlots threads each have their own.
std::atomic<size_t> g_nextSlot{0};
thread_local const size_t t_slot = g_nextSlot.fetch_add(1, std::memory_order_relaxed);

// The shared locks this thread holds, with how many times it holds each. A thread holds few
// locks at once; a lock that finds no free entry is simply not counted as held (a nested take
// then waits for a writer like a first one).
struct Held {
    const ReadMostlyLock* lock = nullptr;
    unsigned depth = 0;
};
thread_local std::array<Held, 4> t_held;

Held* heldEntry(const ReadMostlyLock* lock) {
    for (Held& entry : t_held) {
        if (entry.lock == lock) {
            return &entry;
        }
    }
    return nullptr;
}

void noteTaken(const ReadMostlyLock* lock) {
    if (Held* entry = heldEntry(lock)) {
        ++entry->depth;
    } else if (Held* empty = heldEntry(nullptr)) {
        *empty = Held{lock, 1};
    }
}

void noteReleased(const ReadMostlyLock* lock) {
    if (Held* entry = heldEntry(lock); entry != nullptr && --entry->depth == 0) {
        entry->lock = nullptr;
    }
}

}  // namespace

ReadMostlyLock::Readers& ReadMostlyLock::mine() {
    return readers_[t_slot % kSlots];
}

bool ReadMostlyLock::heldByMe() const {
    return heldEntry(this) != nullptr;
}

bool ReadMostlyLock::enterShared(Readers& readers) {
    // Sequentially consistent on both sides: either this reader sees the flag, or the writer
    // sees this reader's count.
    readers.count.fetch_add(1, std::memory_order_seq_cst);
    if (!writing_.load(std::memory_order_seq_cst)) {
        return true;
    }
    readers.count.fetch_sub(1, std::memory_order_release);
    return false;
}

void ReadMostlyLock::lock_shared() {
    Readers& readers = mine();
    if (heldByMe()) {
        readers.count.fetch_add(1, std::memory_order_relaxed);
        noteTaken(this);
        return;
    }
    while (!enterShared(readers)) {
        // The flag is raised only with the writers' mutex held: wait for that writer.
        std::lock_guard<std::mutex> wait(writers_);
    }
    noteTaken(this);
}

bool ReadMostlyLock::try_lock_shared() {
    Readers& readers = mine();
    if (heldByMe()) {
        readers.count.fetch_add(1, std::memory_order_relaxed);
        noteTaken(this);
        return true;
    }
    if (!enterShared(readers)) {
        return false;
    }
    noteTaken(this);
    return true;
}

void ReadMostlyLock::unlock_shared() {
    mine().count.fetch_sub(1, std::memory_order_release);
    noteReleased(this);
}

bool ReadMostlyLock::readersGone() const {
    for (const Readers& readers : readers_) {
        if (readers.count.load(std::memory_order_seq_cst) != 0) {
            return false;
        }
    }
    return true;
}

void ReadMostlyLock::lock() {
    writers_.lock();
    writing_.store(true, std::memory_order_seq_cst);
    // Readers' calls are short; one that is not (a long utility) is waited for asleep.
    for (int spins = 0; !readersGone(); ++spins) {
        if (spins < kSpins) {
            std::this_thread::yield();
        } else {
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
    }
}

bool ReadMostlyLock::try_lock() {
    if (!writers_.try_lock()) {
        return false;
    }
    writing_.store(true, std::memory_order_seq_cst);
    if (readersGone()) {
        return true;
    }
    writing_.store(false, std::memory_order_release);
    writers_.unlock();
    return false;
}

void ReadMostlyLock::unlock() {
    writing_.store(false, std::memory_order_release);
    writers_.unlock();
}

}  // namespace db2sim
