// Memory the stand-in hands to callers, who give it back through sqlefmem_api (or an area's own
// free call). Every block is tracked, so an unknown pointer is refused instead of freed. Its lock
// is a leaf.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <mutex>

namespace db2sim {

class MemoryRegistry {
  public:
    // A zeroed block of `size` bytes (at least 1), owned here until taken back.
    void* handOut(size_t size);

    // Frees a block handed out before. False for any other pointer.
    bool takeBack(void* block);

    long count() const;
    void clear();

  private:
    mutable std::mutex lock_;
    std::map<void*, std::unique_ptr<unsigned char[]>> blocks_;
};

}  // namespace db2sim
