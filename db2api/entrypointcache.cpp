#include "db2api/entrypointcache.h"

#include <cstdint>

namespace db2 {

std::size_t EntryPointCache::home(const char* name) {
    const auto bits = reinterpret_cast<std::uintptr_t>(name);
    return static_cast<std::size_t>((bits >> 3) ^ (bits >> 13)) % kSlots;
}

void* EntryPointCache::find(const void* module, const char* name) const {
    const std::size_t start = home(name);
    for (std::size_t probe = 0; probe < kSlots; ++probe) {
        const Slot& slot = m_slots[(start + probe) % kSlots];
        const char* kept = slot.name.load(std::memory_order_acquire);
        if (kept == nullptr) {
            return nullptr;
        }
        if (kept == name && slot.module.load(std::memory_order_relaxed) == module) {
            return slot.entry.load(std::memory_order_relaxed);
        }
    }
    return nullptr;
}

void EntryPointCache::keep(const void* module, const char* name, void* entry) {
    if (name == nullptr || entry == nullptr) {
        return;
    }
    const std::lock_guard<std::mutex> lock(m_writer);
    const std::size_t start = home(name);
    for (std::size_t probe = 0; probe < kSlots; ++probe) {
        Slot& slot = m_slots[(start + probe) % kSlots];
        const char* kept = slot.name.load(std::memory_order_relaxed);
        if (kept == name && slot.module.load(std::memory_order_relaxed) == module) {
            return;  // another thread kept it first
        }
        if (kept == nullptr) {
            slot.module.store(module, std::memory_order_relaxed);
            slot.entry.store(entry, std::memory_order_relaxed);
            slot.name.store(name, std::memory_order_release);
            return;
        }
    }
}

}  // namespace db2
