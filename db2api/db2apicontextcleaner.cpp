#include "db2api/db2apicontextcleaner.h"

#include "db2api/db2apicontext.h"

namespace db2 {

CDB2APIContextCleaner::CDB2APIContextCleaner(CDB2APIContext* pContext)
    : m_pContext(pContext), m_pOriginCtx(CDB2APIContext::GetCurrentCtx()) {
    if (m_pContext == nullptr) {
        return;
    }
    if (m_pOriginCtx != nullptr) {
        CDB2APIContext::DetachCurrentCtx();
    }
    m_pContext->Attach();
}

CDB2APIContextCleaner::~CDB2APIContextCleaner() {
    CDB2APIContext::DetachCurrentCtx();
    if (m_pOriginCtx != nullptr) {
        CDB2APIContext::AttachCtx(m_pOriginCtx);
    }
}

}  // namespace db2
