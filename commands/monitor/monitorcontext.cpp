#include "commands/monitor/monitorcontext.h"

#include "db2api/db2api.h"
#include "db2api/db2apicontext.h"

MonitorContext::~MonitorContext() {
    End();
}

MonitorContext::Start MonitorContext::Begin(void* stored, sqlca& answer) {
    End();
    if (stored != nullptr) {
        return db2::CDB2APIContext::AttachCtx(stored, answer) ? Start::kStored : Start::kNotCurrent;
    }
    switch (m_own.Begin(answer)) {
        case PrivateAPIContext::Start::kBegun:
            m_begun = true;
            return Start::kPrivate;
        case PrivateAPIContext::Start::kNotCurrent:
            return Start::kNotCurrent;
        case PrivateAPIContext::Start::kNotCreated:
            break;
    }
    return Start::kNotCreated;
}

void MonitorContext::End() {
    if (!m_begun) {
        return;
    }
    m_begun = false;
    // The own context is current on this thread. Whether DB2 attached it to the instance is not
    // known here; a context with no attachment simply refuses the detach.
    sqlca ca = zeroedSqlca();
    db2::DB2API::Instance().DetachNode(&ca);
    m_own.End();
}
