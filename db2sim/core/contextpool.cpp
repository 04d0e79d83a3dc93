#include "db2sim/core/contextpool.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace db2sim {
namespace {

constexpr uint64_t kFourGiB = uint64_t{1} << 32;
constexpr uint32_t kSlotMagic = 0x43545853;  // written into each slot, for anyone dumping one
constexpr size_t kProcessSlot = 0;

// The context the calling thread attached here and the slot's life count then; checked against
// the pool on every read, so a context freed by another thread (or by a reset) is never trusted.
thread_local void* tCurrent = nullptr;
thread_local uint32_t tLife = 0;

void* mapAt(uintptr_t hint, size_t bytes) {
    void* p = mmap(reinterpret_cast<void*>(hint), bytes, PROT_READ | PROT_WRITE,
                   MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return p == MAP_FAILED ? nullptr : p;
}

// Maps the pool above 4 GiB where pointers are 64 bits; anywhere on 32-bit systems.
void* mapPool(size_t bytes) {
    if (sizeof(void*) < 8) {
        return mapAt(0, bytes);
    }
    const uint64_t hints[] = {kFourGiB * 64, kFourGiB * 1024, kFourGiB * 4096, 0};
    for (uint64_t hint : hints) {
        void* p = mapAt(static_cast<uintptr_t>(hint), bytes);
        if (p != nullptr && reinterpret_cast<uintptr_t>(p) >= kFourGiB) {
            return p;
        }
        if (p != nullptr) {
            munmap(p, bytes);
        }
    }
    std::fprintf(stderr, "db2sim: cannot map the context pool above 4 GiB\n");
    return nullptr;
}

}  // namespace

ContextPool::ContextPool()
    : bytes_(kSlots * kSlotSize),
      slots_(kSlots),
      callLocks_(new CallLock[kSlots]),
      lives_(new std::atomic<uint32_t>[kSlots]) {
    for (size_t i = 0; i < kSlots; ++i) {
        lives_[i].store(0, std::memory_order_relaxed);
    }
    base_ = mapPool(bytes_);
    if (base_ == nullptr) {
        slots_.clear();
    }
    for (size_t i = kProcessSlot + 1; i < slots_.size(); ++i) {
        free_.push_back(i);
    }
}

ContextPool::~ContextPool() {
    if (base_ != nullptr) {
        munmap(base_, bytes_);
    }
}

void* ContextPool::slotAddress(size_t index) const {
    return static_cast<unsigned char*>(base_) + index * kSlotSize;
}

void* ContextPool::create() {
    std::lock_guard<std::mutex> guard(lock_);
    if (free_.empty()) {
        return nullptr;
    }
    size_t index = free_.front();
    free_.pop_front();
    slots_[index].live = true;
    lives_[index].fetch_add(1, std::memory_order_release);
    ++live_;
    void* slot = slotAddress(index);
    std::memset(slot, 0, kSlotSize);
    std::memcpy(slot, &kSlotMagic, sizeof(kSlotMagic));
    return slot;
}

bool ContextPool::isSlot(const void* ctx) const {
    uintptr_t p = reinterpret_cast<uintptr_t>(ctx);
    return base_ != nullptr && p >= base() && p < base() + bytes_ && (p - base()) % kSlotSize == 0;
}

bool ContextPool::isLiveLocked(const void* ctx) const {
    return isSlot(ctx) && slots_[indexOf(ctx)].live;
}

bool ContextPool::isLive(const void* ctx) const {
    return isSlot(ctx) && (lives_[indexOf(ctx)].load(std::memory_order_acquire) & 1) != 0;
}

size_t ContextPool::indexOf(const void* ctx) const {
    return (reinterpret_cast<uintptr_t>(ctx) - base()) / kSlotSize;
}

void* ContextPool::threadContext() const {
    // Only this thread detaches itself, and no other thread frees a context this one is
    // attached to but a reset: the slot's life count tells whether the attachment still holds.
    void* ctx = tCurrent;
    if (ctx == nullptr || !isSlot(ctx)) {
        return nullptr;
    }
    return lives_[indexOf(ctx)].load(std::memory_order_acquire) == tLife ? ctx : nullptr;
}

void* ContextPool::current() const {
    if (!manual()) {
        return base_ == nullptr ? nullptr : slotAddress(kProcessSlot);
    }
    return threadContext();
}

void ContextPool::attach(void* ctx) {
    std::lock_guard<std::mutex> guard(lock_);
    if (isLiveLocked(ctx)) {
        slots_[indexOf(ctx)].threads.push_back(std::this_thread::get_id());
        tCurrent = ctx;
        tLife = lives_[indexOf(ctx)].load(std::memory_order_relaxed);
    }
}

void ContextPool::detach(void* ctx) {
    std::lock_guard<std::mutex> guard(lock_);
    if (isLiveLocked(ctx)) {
        auto& threads = slots_[indexOf(ctx)].threads;
        threads.erase(std::remove(threads.begin(), threads.end(), std::this_thread::get_id()),
                      threads.end());
    }
    if (tCurrent == ctx) {
        tCurrent = nullptr;
    }
}

std::unique_lock<std::mutex> ContextPool::callLock(const void* ctx) {
    if (!isSlot(ctx)) {
        return std::unique_lock<std::mutex>();
    }
    return std::unique_lock<std::mutex>(callLocks_[indexOf(ctx)].lock);
}

void ContextPool::onFree(std::function<void(void*)> listener) {
    std::lock_guard<std::mutex> guard(lock_);
    freeListeners_.push_back(std::move(listener));
}

std::vector<std::function<void(void*)>> ContextPool::retire(void* ctx) {
    Slot& slot = slots_[indexOf(ctx)];
    slot.live = false;
    lives_[indexOf(ctx)].fetch_add(1, std::memory_order_release);
    slot.threads.clear();
    --live_;
    if (tCurrent == ctx) {
        tCurrent = nullptr;
    }
    return freeListeners_;
}

void ContextPool::release(void* ctx) {
    std::lock_guard<std::mutex> guard(lock_);
    std::memset(ctx, 0, kSlotSize);
    free_.push_back(indexOf(ctx));
}

// The slot stops being live first, so no call finds it while its state goes; it is handed out
// again only once every listener is done with it.
void ContextPool::finish(void* ctx, const std::vector<std::function<void(void*)>>& listeners) {
    for (const auto& listener : listeners) {
        listener(ctx);
    }
    release(ctx);
}

bool ContextPool::end(void* ctx, bool detachCaller) {
    std::vector<std::function<void(void*)>> listeners;
    {
        std::lock_guard<std::mutex> guard(lock_);
        if (!isLiveLocked(ctx)) {
            return false;
        }
        for (std::thread::id id : slots_[indexOf(ctx)].threads) {
            if (id != std::this_thread::get_id() || !detachCaller) {
                return false;
            }
        }
        listeners = retire(ctx);
    }
    finish(ctx, listeners);
    return true;
}

void ContextPool::clear() {
    // Freed one by one so the slots join the back of the free list: a pointer kept from before
    // is not handed out again soon.
    for (size_t i = kProcessSlot + 1; i < slots_.size(); ++i) {
        void* ctx = slotAddress(i);
        std::vector<std::function<void(void*)>> listeners;
        {
            std::lock_guard<std::mutex> guard(lock_);
            if (!isLiveLocked(ctx)) {
                continue;
            }
            listeners = retire(ctx);
        }
        finish(ctx, listeners);
    }
    tCurrent = nullptr;
}

long ContextPool::count() const {
    std::lock_guard<std::mutex> guard(lock_);
    return live_;
}

}  // namespace db2sim
