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
    // The id Java keeps for the context (see ContextHandleRegistry). The context still belongs to
    // this object until Release(): hand it over only once Java has taken the id.
    int32_t Id() const;
    // Gives the context up; this object no longer ends it.
    void Release() { m_pCtx = nullptr; }

    // Ends the context this object still owns, if any.
    void Reset();

    // Forgets ctx's id, then ends ctx (detached first if this thread holds it, then freed). The
    // id goes first: once the context is freed, another thread may get a context at the same
    // address. DB2's answers are ignored.
    static void End(void* ctx);

  private:
    void* m_pCtx = nullptr;
};
