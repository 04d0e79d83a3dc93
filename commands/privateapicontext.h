// A DB2 application context that a command creates for its own use and ends when it is done:
// created without attaching, then attached to the calling thread; ended (detached and freed) by
// End() or the destructor, on every path.
#pragma once

#include "commands/createdcontext.h"

class PrivateAPIContext {
  public:
    // Creates and attaches the context. False, without a message, when DB2 could not create one.
    bool Begin();
    // Ends the context if one was created. Safe to call twice.
    void End();
    void* get() const { return m_context.get(); }

  private:
    CreatedContext m_context;
};
