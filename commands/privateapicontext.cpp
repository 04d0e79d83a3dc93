#include "commands/privateapicontext.h"

#include "db2api/db2apicontext.h"

bool PrivateAPIContext::Begin() {
    End();
    if (!m_context.Create()) {
        End();
        return false;
    }
    db2::CDB2APIContext::AttachCtx(m_context.get());
    return true;
}

void PrivateAPIContext::End() {
    m_context.Reset();
}
