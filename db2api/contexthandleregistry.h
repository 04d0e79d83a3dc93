// DB2 application contexts are pointers, but Java keeps them in an int. Where pointers are 32
// bits the value itself travels. Where they are 64 bits, a process-wide table maps a positive
// 32-bit id to each context handed to Java; the id is dropped when the context is ended.
// On every platform the table also remembers which two CLI handles belong to a database
// connection's context, so that a triple Java hands back can be checked before it is closed.
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
    // Forgets ctx and its CLI handles; call it before the context is ended, so that no other
    // thread's new context at the same address meets the old id.
    static void Release(void* ctx);
    // Records the environment and connection handles of the connection bound to ctx.
    static void BindCliHandles(void* ctx, int32_t env, int32_t dbc);
    // True when handles were recorded for ctx and each non-zero handle is the recorded one (0
    // stands for "none given"); false for a null ctx and a context no connection was bound to.
    static bool OwnsCliHandles(void* ctx, int32_t env, int32_t dbc);
    // Contexts registered now (always 0 where pointers are 32 bits).
    static std::size_t Size();

    ContextHandleRegistry() = delete;
};

}  // namespace db2
