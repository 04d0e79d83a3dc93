#include "db2sim/core/memoryregistry.h"

#include <algorithm>

namespace db2sim {

void* MemoryRegistry::handOut(size_t size) {
    auto block = std::make_unique<unsigned char[]>(std::max<size_t>(size, 1));
    void* address = block.get();
    blocks_.emplace(address, std::move(block));
    return address;
}

bool MemoryRegistry::takeBack(void* block) {
    return blocks_.erase(block) == 1;
}

}  // namespace db2sim
