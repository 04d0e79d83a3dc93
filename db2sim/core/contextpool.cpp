#include "db2sim/core/contextpool.h"

#include <sys/mman.h>

#include <cstdio>
#include <cstring>

namespace db2sim {
namespace {

constexpr uint64_t kFourGiB = uint64_t{1} << 32;
constexpr uint32_t kSlotMagic = 0x43545853;  // written into each slot, for anyone dumping one

// The calling thread's context as last attached here; checked against the pool on every read,
// so a context freed by another thread (or by a reset) is never trusted.
thread_local void* tCurrent = nullptr;

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

ContextPool::ContextPool() : bytes_(kSlots * kSlotSize), slots_(kSlots) {
    base_ = mapPool(bytes_);
    if (base_ == nullptr) {
        slots_.clear();
    }
    for (size_t i = 0; i < slots_.size(); ++i) {
        free_.push_back(i);
    }
}

ContextPool::~ContextPool() {
    if (base_ != nullptr) {
        munmap(base_, bytes_);
    }
}

void* ContextPool::create() {
    if (free_.empty()) {
        return nullptr;
    }
    size_t index = free_.front();
    free_.pop_front();
    slots_[index] = Slot{true, std::thread::id()};
    ++live_;
    auto* slot = static_cast<unsigned char*>(base_) + index * kSlotSize;
    std::memset(slot, 0, kSlotSize);
    std::memcpy(slot, &kSlotMagic, sizeof(kSlotMagic));
    return slot;
}

bool ContextPool::isLive(const void* ctx) const {
    uintptr_t p = reinterpret_cast<uintptr_t>(ctx);
    if (base_ == nullptr || p < base() || p >= base() + bytes_ || (p - base()) % kSlotSize != 0) {
        return false;
    }
    return slots_[indexOf(ctx)].live;
}

size_t ContextPool::indexOf(const void* ctx) const {
    return (reinterpret_cast<uintptr_t>(ctx) - base()) / kSlotSize;
}

std::thread::id ContextPool::owner(const void* ctx) const {
    return slots_[indexOf(ctx)].owner;
}

void* ContextPool::current() const {
    if (tCurrent != nullptr && isLive(tCurrent) && owner(tCurrent) == std::this_thread::get_id()) {
        return tCurrent;
    }
    return nullptr;
}

void ContextPool::attach(void* ctx) {
    slots_[indexOf(ctx)].owner = std::this_thread::get_id();
    tCurrent = ctx;
}

void ContextPool::detach(void* ctx) {
    slots_[indexOf(ctx)].owner = std::thread::id();
    if (tCurrent == ctx) {
        tCurrent = nullptr;
    }
}

void ContextPool::onFree(std::function<void(void*)> listener) {
    freeListeners_.push_back(std::move(listener));
}

void ContextPool::free(void* ctx) {
    for (const auto& listener : freeListeners_) {
        listener(ctx);
    }
    size_t index = indexOf(ctx);
    slots_[index] = Slot{};
    free_.push_back(index);
    --live_;
    std::memset(ctx, 0, kSlotSize);
}

void ContextPool::clear() {
    // Freed one by one so the slots join the back of the free list: a pointer kept from before
    // is not handed out again soon.
    for (size_t i = 0; i < slots_.size(); ++i) {
        if (slots_[i].live) {
            free(static_cast<unsigned char*>(base_) + i * kSlotSize);
        }
    }
    tCurrent = nullptr;
}

}  // namespace db2sim
