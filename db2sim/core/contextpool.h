// Application contexts. Each context is a slot of a pool mapped above 4 GiB on 64-bit systems, so
// a context pointer cut to 32 bits never names a live context. Every pointer a caller gives back
// is checked against the pool before use.
//
// Any number of threads may attach to one context; each thread has at most one. Calls made on a
// context run one at a time: every call but the context calls holds the context's call lock
// (callLock) for its whole length. In manual mode (sqleSetTypeCtx with SQL_CTX_MULTI_MANUAL) a
// call works on the calling thread's context; in the original mode every call works on the
// process's own context, whatever the thread attached, so all calls of the process run one at a
// time on it. The process context is the pool's first slot: never handed out, never counted.
//
// The pool's own lock is a leaf: nothing else is locked while it is held. Listeners of end() and
// clear() run after it is released. Finding the calling thread's context, which every call does,
// takes no lock: each slot counts its lives (odd while live), and a thread keeps the count it
// attached under, so a context freed since, or freed and made again, no longer matches.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace db2sim {

class ContextPool {
  public:
    static constexpr size_t kSlots = 4096;
    static constexpr size_t kSlotSize = 64;

    ContextPool();
    ~ContextPool();
    ContextPool(const ContextPool&) = delete;
    ContextPool& operator=(const ContextPool&) = delete;

    // A new context with no thread attached, or null when the pool is exhausted.
    void* create();

    // True when `ctx` is a live context of this pool.
    bool isLive(const void* ctx) const;

    // The context the calling thread attached, or null.
    void* threadContext() const;
    // The context the calling thread's calls work on: its own in manual mode, the process's in
    // the original mode (see above); null in manual mode when the thread has none.
    void* current() const;

    // Attaches a live context to the calling thread, which must have none.
    void attach(void* ctx);
    // Detaches the calling thread from `ctx`.
    void detach(void* ctx);
    // Frees a live context unless another thread is attached to it, or the calling thread is and
    // `detachCaller` is false; false when refused. The check and the freeing are one step, so no
    // thread attaches in between. Listeners hear of it before its slot can be handed out again.
    bool end(void* ctx, bool detachCaller);

    // The lock that makes the calls on a context run one at a time; an empty lock for a pointer
    // that is not a slot of the pool.
    std::unique_lock<std::mutex> callLock(const void* ctx);

    // `listener` is told of every context freed (by end() or clear()), so state kept per
    // context (attachments, connections) goes with it.
    void onFree(std::function<void(void*)> listener);

    // Frees every context; threads still attached to one now have none.
    void clear();

    // The type set by sqleSetTypeCtx; any other than the original one (0) means manual.
    int type() const { return type_.load(std::memory_order_relaxed); }
    void setType(int type) { type_.store(type, std::memory_order_relaxed); }
    bool manual() const { return type() != 0; }

    long count() const;
    uintptr_t base() const { return reinterpret_cast<uintptr_t>(base_); }

  private:
    // A cache line each, so threads working on neighbouring contexts do not share one.
    struct alignas(64) CallLock {
        std::mutex lock;
    };

    struct Slot {
        bool live = false;
        std::vector<std::thread::id> threads;  // attached, in attach order
    };

    bool isSlot(const void* ctx) const;
    bool isLiveLocked(const void* ctx) const;
    size_t indexOf(const void* ctx) const;  // caller checks isSlot first
    void* slotAddress(size_t index) const;
    // Marks a live slot free (the pool's lock held) and returns the listeners to tell; the slot
    // joins the free list only in release().
    std::vector<std::function<void(void*)>> retire(void* ctx);
    void release(void* ctx);
    // Tells the listeners, then releases the slot.
    void finish(void* ctx, const std::vector<std::function<void(void*)>>& listeners);

    void* base_ = nullptr;
    size_t bytes_ = 0;
    std::vector<Slot> slots_;
    std::unique_ptr<CallLock[]> callLocks_;
    std::unique_ptr<std::atomic<uint32_t>[]> lives_;
    std::vector<std::function<void(void*)>> freeListeners_;
    std::deque<size_t> free_;  // oldest freed first, so a stale pointer is reused late
    long live_ = 0;
    std::atomic<int> type_{0};
    mutable std::mutex lock_;
};

}  // namespace db2sim
