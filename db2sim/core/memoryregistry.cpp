#include "db2sim/core/memoryregistry.h"

#include <algorithm>

namespace db2sim {

void* MemoryRegistry::handOut(size_t size) {
    auto block = std::make_unique<unsigned char[]>(std::max<size_t>(size, 1));
    void* address = block.get();
    std::lock_guard<std::mutex> guard(lock_);
    blocks_.emplace(address, std::move(block));
    return address;
}

bool MemoryRegistry::takeBack(void* block) {
    std::unique_ptr<unsigned char[]> taken;  // freed after the lock is released
    std::lock_guard<std::mutex> guard(lock_);
    auto it = blocks_.find(block);
    if (it == blocks_.end()) {
        return false;
    }
    taken = std::move(it->second);
    blocks_.erase(it);
    return true;
}

long MemoryRegistry::count() const {
    std::lock_guard<std::mutex> guard(lock_);
    return static_cast<long>(blocks_.size());
}

void MemoryRegistry::clear() {
    std::lock_guard<std::mutex> guard(lock_);
    blocks_.clear();
}

}  // namespace db2sim
