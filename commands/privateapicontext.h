// A DB2 application context that a command creates for its own use and ends when it is done:
// created without attaching, then attached to the calling thread; ended (detached and freed) by
// End() or the destructor, on every path.
#pragma once

#include "commands/createdcontext.h"
#include "db2api/db2types.h"

class PrivateAPIContext {
  public:
    enum class Start {
        kBegun,       // created and current
        kNotCreated,  // DB2 could not create a context
        kNotCurrent,  // created, but DB2 did not make it current; ended again
    };

    // Creates and attaches the context. For kNotCurrent, `answer` holds DB2's answer to the
    // attach (untouched when the entry point is missing).
    Start Begin(sqlca& answer);
    // Ends the context if one was created. Safe to call twice.
    void End();
    void* get() const { return m_context.get(); }

  private:
    CreatedContext m_context;
};
