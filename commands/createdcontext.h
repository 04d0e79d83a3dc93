// A DB2 application context a command creates; the connection commands hand it to Java on success.
// Until it is handed over it belongs to this object and is ended (detached if attached, then freed)
// when the object goes, so a failed command leaks no context.
#pragma once

#include <cstdint>

class CreatedContext {
  public:
    CreatedContext() = default;
    CreatedContext(const CreatedContext&) = delete;
    CreatedContext& operator=(const CreatedContext&) = delete;
    ~CreatedContext();

    // Creates a context, not attached to any thread. False, without a message, when DB2 could not
    // create one (entry point missing, sqlcode < 0, or no context handed back).
    bool Create();
    void* get() const { return m_pCtx; }
    // Gives the context up as the id Java keeps (see ContextHandleRegistry); this object no
    // longer ends it.
    int32_t HandToJava();

    // Ends the context this object still owns, if any.
    void Reset();

    // Ends ctx (detached first if this thread holds it, then freed) and forgets its id. DB2's
    // answers are ignored.
    static void End(void* ctx);

  private:
    void* m_pCtx = nullptr;
};
