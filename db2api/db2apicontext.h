// DB2 application contexts on the calling thread. The client runs with one context per thread
// attached explicitly, so every function here acts on the calling thread only. Failures to
// attach or detach print one diagnostic line on stdout (unless diagnostics are off,
// base/diagnostics.h); only the attach a command depends on reports its failure to the caller.
#pragma once

#include "db2api/db2types.h"

namespace db2 {

class CDB2APIContext {
  public:
    // The context attached to the calling thread, or null (none, or the query failed).
    static void* GetCurrentCtx();
    // Attaches ctx to the calling thread; null does nothing.
    static void AttachCtx(void* ctx);
    // As AttachCtx, for a caller that must not go on without ctx: false when ctx is null or DB2
    // did not make it current (entry point missing: `answer` untouched; refused: DB2's answer).
    static bool AttachCtx(void* ctx, sqlca& answer);
    // Detaches whatever context the calling thread holds; nothing when it holds none.
    static void DetachCurrentCtx();

    // Adopts ctx; it is never ended by this object.
    explicit CDB2APIContext(void* ctx);
    // Creates a new context, not attached; ended by the destructor when the creation succeeded.
    CDB2APIContext();
    virtual ~CDB2APIContext();

    CDB2APIContext(const CDB2APIContext&) = delete;
    CDB2APIContext& operator=(const CDB2APIContext&) = delete;

    // Makes this context current; returns the context that was current before.
    void* Attach();
    // Undoes Attach: detaches the current context and attaches ctx instead (unless ctx is null
    // or this object's own context). Nothing happens when ctx is already current.
    void Detach(void* ctx);
    bool IsCurrentContext() const;

  private:
    void* m_pCtx;
    bool m_bOwned;
};

}  // namespace db2
