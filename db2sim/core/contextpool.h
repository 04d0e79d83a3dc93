// Application contexts. Each context is a slot of a pool mapped above 4 GiB on 64-bit systems, so
// a context pointer cut to 32 bits never names a live context. Every pointer a caller gives back
// is checked against the pool before use. The pool is not locked: the instance lock guards it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
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

    // A new unattached context, or null when the pool is exhausted.
    void* create();

    // True when `ctx` is a live context of this pool.
    bool isLive(const void* ctx) const;

    // The thread a live context is attached to; a default id when unattached.
    std::thread::id owner(const void* ctx) const;

    // The calling thread's context, or null.
    void* current() const;

    // Attaches a live, unattached context to the calling thread, which must have none.
    void attach(void* ctx);
    // Detaches a live context from whichever thread holds it.
    void detach(void* ctx);
    // Frees a live context; it must be unattached. Listeners hear of it first.
    void free(void* ctx);

    // `listener` is told of every context about to be freed (by free() or clear()), so state
    // kept per context (attachments, connections) goes with it.
    void onFree(std::function<void(void*)> listener);

    // Frees every context; threads still pointing at one now have none.
    void clear();

    long count() const { return live_; }
    uintptr_t base() const { return reinterpret_cast<uintptr_t>(base_); }

  private:
    struct Slot {
        bool live = false;
        std::thread::id owner;
    };

    size_t indexOf(const void* ctx) const;  // caller checks isLive first

    void* base_ = nullptr;
    size_t bytes_ = 0;
    std::vector<Slot> slots_;
    std::vector<std::function<void(void*)>> freeListeners_;
    std::deque<size_t> free_;  // oldest freed first, so a stale pointer is reused late
    long live_ = 0;
};

}  // namespace db2sim
