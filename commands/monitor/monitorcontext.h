// The context a monitor request runs on: the instance attachment stored in the run-time context
// when there is one, otherwise a context of the request's own. DB2 attaches a fresh context to
// the local instance by itself on its first monitor call, so the own context is detached from
// that attachment, then ended, when the request is done (End() or the destructor).
#pragma once

#include "commands/privateapicontext.h"
#include "db2api/db2types.h"

class MonitorContext {
  public:
    enum class Start {
        kStored,      // the stored instance context is current
        kPrivate,     // an own context is current
        kNotCreated,  // no stored context, and DB2 could not create one
        kNotCurrent,  // DB2 would not make the context current; `answer` holds why
    };

    MonitorContext() = default;
    ~MonitorContext();
    MonitorContext(const MonitorContext&) = delete;
    MonitorContext& operator=(const MonitorContext&) = delete;

    // `stored` is the context the run-time context holds (null when none).
    Start Begin(void* stored, sqlca& answer);
    // Detaches the own context from its instance and ends it; nothing for a stored one.
    void End();

  private:
    PrivateAPIContext m_own;
    bool m_begun = false;
};
