#include "commands/privateapicontext.h"

#include <cstring>

#include "db2api/db2api.h"
#include "db2api/db2apicontext.h"

PrivateAPIContext::~PrivateAPIContext() {
    End();
}

bool PrivateAPIContext::Begin() {
    End();
    sqlca ca;
    std::memset(&ca, 0, sizeof(ca));
    void* ctx = nullptr;
    const int rc = db2::DB2API::Instance().CreateContext(&ctx, SQL_CTX_CREATE_ONLY, nullptr, &ca);
    if (rc == -1 || ca.sqlcode < 0 || ctx == nullptr) {
        return false;
    }
    m_pCtx = ctx;
    db2::CDB2APIContext::AttachCtx(m_pCtx);
    return true;
}

void PrivateAPIContext::End() {
    if (m_pCtx == nullptr) {
        return;
    }
    sqlca ca;
    std::memset(&ca, 0, sizeof(ca));
    db2::DB2API::Instance().DestroyContext(&m_pCtx, SQL_CTX_END_ALL, nullptr, &ca);
    m_pCtx = nullptr;
}
