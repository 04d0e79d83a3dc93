#include "commands/createdcontext.h"

#include "db2api/contexthandleregistry.h"
#include "db2api/db2api.h"

CreatedContext::~CreatedContext() {
    Reset();
}

void CreatedContext::Reset() {
    End(m_pCtx);
    m_pCtx = nullptr;
}

bool CreatedContext::Create() {
    Reset();
    sqlca ca = zeroedSqlca();
    void* ctx = nullptr;
    const int rc = db2::DB2API::Instance().CreateContext(&ctx, SQL_CTX_CREATE_ONLY, nullptr, &ca);
    m_pCtx = ctx;
    return rc != db2::kEntryPointMissing && ca.sqlcode >= 0 && ctx != nullptr;
}

int32_t CreatedContext::Id() const {
    return db2::ContextHandleRegistry::ToHandle(m_pCtx);
}

void CreatedContext::End(void* ctx) {
    if (ctx == nullptr) {
        return;
    }
    db2::ContextHandleRegistry::Release(ctx);
    sqlca ca = zeroedSqlca();
    void* doomed = ctx;
    db2::DB2API::Instance().DestroyContext(&doomed, SQL_CTX_END_ALL, nullptr, &ca);
}
