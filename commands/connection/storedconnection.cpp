#include "commands/connection/storedconnection.h"

#include "commands/connection/cliconnection.h"
#include "commands/createdcontext.h"
#include "db2api/contexthandleregistry.h"
#include "db2api/db2apicontext.h"

StoredConnection::StoredConnection(const tarvinex::DB2CommandRuntimeContext& context)
    : m_pCtx(db2::ContextHandleRegistry::FromHandle(context.getDatabaseConnectionContext())),
      m_hEnv(context.getDatabaseConnectionEnvHandler()),
      m_hDbc(context.getDatabaseConnectionDbcHandler()) {}

void StoredConnection::Close() {
    if (m_pCtx == nullptr) {
        return;
    }
    CliConnection(m_hEnv, m_hDbc).Close();
    db2::CDB2APIContext::DetachCurrentCtx();
    db2::CDB2APIContext::AttachCtx(m_pCtx);
    CreatedContext::End(m_pCtx);
    m_pCtx = nullptr;
    m_hEnv = m_hDbc = SQL_NULL_HANDLE;
}
