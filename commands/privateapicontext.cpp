#include "commands/privateapicontext.h"

#include "db2api/db2apicontext.h"

PrivateAPIContext::Start PrivateAPIContext::Begin(sqlca& answer) {
    End();
    if (!m_context.Create()) {
        End();
        return Start::kNotCreated;
    }
    if (!db2::CDB2APIContext::AttachCtx(m_context.get(), answer)) {
        End();
        return Start::kNotCurrent;
    }
    return Start::kBegun;
}

void PrivateAPIContext::End() {
    m_context.Reset();
}
