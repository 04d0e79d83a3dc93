// DB2 application contexts are pointers, but Java keeps them in an int. Where pointers are 32
// bits the value itself travels. Where they are 64 bits, a process-wide table maps a positive
// 32-bit id to each context handed to Java; the id is dropped when the context is ended.
#pragma once

#include <cstddef>
#include <cstdint>

namespace db2 {

class ContextHandleRegistry {
  public:
    // The id Java keeps for ctx: 0 for null; the same id again while ctx stays registered.
    static int32_t ToHandle(void* ctx);
    // The context behind id, or null for 0 and for ids not (or no longer) registered.
    static void* FromHandle(int32_t id);
    // Forgets ctx; call it when the context is ended.
    static void Release(void* ctx);
    // Contexts registered now (always 0 where pointers are 32 bits).
    static std::size_t Size();

    ContextHandleRegistry() = delete;
};

}  // namespace db2
