// Scope guard for one native call: records the thread's DB2 context on entry and puts it back on
// exit (normal return or unwinding), detaching whatever the call left attached.
#pragma once

namespace db2 {

class CDB2APIContext;

class CDB2APIContextCleaner {
  public:
    // pContext, when not null, is made current for the guard's lifetime; the guard does not own
    // it and it must outlive the guard.
    explicit CDB2APIContextCleaner(CDB2APIContext* pContext);
    virtual ~CDB2APIContextCleaner();

    CDB2APIContextCleaner(const CDB2APIContextCleaner&) = delete;
    CDB2APIContextCleaner& operator=(const CDB2APIContextCleaner&) = delete;

  private:
    CDB2APIContext* m_pContext;
    void* m_pOriginCtx;
};

}  // namespace db2
