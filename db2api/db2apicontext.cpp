#include "db2api/db2apicontext.h"

#include <cstdio>

#include "base/diagnostics.h"
#include "db2api/db2api.h"
#include "db2api/db2message.h"

namespace db2 {

namespace {

// Where each diagnostic comes from; the numbers identify the call site in support logs.
constexpr const char* kSourceName = "db2apicontext";
constexpr int kSiteAttachCtx = 142;
constexpr int kSiteDetachCurrentCtx = 160;
constexpr int kSiteDetachOwn = 91;
constexpr int kSiteDetachOther = 104;
constexpr int kSiteReattach = 114;

void ReportIfFailed(const sqlca& ca, int site) {
    if (ca.sqlcode != 0 && tarvinex::DiagnosticsEnabled()) {
        std::printf("%s, %s, %d\n", GetError(ca).c_str(), kSourceName, site);
        std::fflush(stdout);
    }
}

void DetachReporting(void* ctx, int site) {
    sqlca ca = zeroedSqlca();
    DB2API::Instance().DetachFromContext(ctx, nullptr, &ca);
    ReportIfFailed(ca, site);
}

// True when DB2 made ctx current; `ca` holds its answer.
bool AttachReporting(void* ctx, int site, sqlca& ca) {
    ca = zeroedSqlca();
    const int rc = DB2API::Instance().AttachToContext(ctx, nullptr, &ca);
    ReportIfFailed(ca, site);
    return ca.sqlcode >= 0 && !(rc == kEntryPointMissing && ca.sqlcode == 0);
}

void AttachReporting(void* ctx, int site) {
    sqlca ca;
    AttachReporting(ctx, site, ca);
}

}  // namespace

void* CDB2APIContext::GetCurrentCtx() {
    void* ctx = nullptr;
    sqlca ca = zeroedSqlca();
    DB2API::Instance().GetCurrentContext(&ctx, nullptr, &ca);
    return ctx;
}

void CDB2APIContext::AttachCtx(void* ctx) {
    if (ctx != nullptr) {
        AttachReporting(ctx, kSiteAttachCtx);
    }
}

bool CDB2APIContext::AttachCtx(void* ctx, sqlca& answer) {
    answer = zeroedSqlca();
    return ctx != nullptr && AttachReporting(ctx, kSiteAttachCtx, answer);
}

void CDB2APIContext::DetachCurrentCtx() {
    void* cur = GetCurrentCtx();
    if (cur != nullptr) {
        DetachReporting(cur, kSiteDetachCurrentCtx);
    }
}

CDB2APIContext::CDB2APIContext(void* ctx) : m_pCtx(ctx), m_bOwned(false) {}

CDB2APIContext::CDB2APIContext() : m_pCtx(nullptr), m_bOwned(false) {
    void* prev = GetCurrentCtx();
    sqlca ca = zeroedSqlca();
    const int rc = DB2API::Instance().CreateContext(&m_pCtx, SQL_CTX_CREATE_ONLY, nullptr, &ca);
    m_bOwned = rc != kEntryPointMissing && ca.sqlcode >= 0 && m_pCtx != nullptr;
    // Creating without attaching leaves the thread as it was; put prev back only if it moved.
    if (GetCurrentCtx() != prev) {
        AttachCtx(prev);
    }
}

CDB2APIContext::~CDB2APIContext() {
    if (!m_bOwned) {
        return;
    }
    Attach();
    sqlca ca = zeroedSqlca();
    DB2API::Instance().DestroyContext(&m_pCtx, SQL_CTX_END_ALL, nullptr, &ca);
}

void* CDB2APIContext::Attach() {
    void* cur = GetCurrentCtx();
    if (cur == m_pCtx) {
        return cur;
    }
    const DB2API& api = DB2API::Instance();
    sqlca ca = zeroedSqlca();
    if (cur != nullptr) {
        api.DetachFromContext(cur, nullptr, &ca);
    }
    ca = zeroedSqlca();
    api.AttachToContext(m_pCtx, nullptr, &ca);
    return cur;
}

void CDB2APIContext::Detach(void* ctx) {
    void* cur = GetCurrentCtx();
    if (ctx == cur) {
        return;
    }
    if (cur != nullptr) {
        DetachReporting(cur, cur == m_pCtx ? kSiteDetachOwn : kSiteDetachOther);
    }
    if (ctx != nullptr && ctx != m_pCtx) {
        AttachReporting(ctx, kSiteReattach);
    }
}

bool CDB2APIContext::IsCurrentContext() const {
    return GetCurrentCtx() == m_pCtx;
}

}  // namespace db2
