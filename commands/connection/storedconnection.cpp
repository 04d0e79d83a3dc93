#include "commands/connection/storedconnection.h"

#include "commands/connection/cliconnection.h"
#include "commands/createdcontext.h"
#include "commands/db2cmdbase.h"
#include "db2api/contexthandleregistry.h"
#include "db2api/db2apicontext.h"

const char* const kForeignCliHandlesMessage =
    "The database connection context and CLI handles stored in the run-time context do not belong "
    "together; nothing was closed";

StoredConnection::StoredConnection(const tarvinex::DB2CommandRuntimeContext& context)
    : m_id(context.getDatabaseConnectionContext()),
      m_pCtx(db2::ContextHandleRegistry::FromHandle(m_id)),
      m_hEnv(context.getDatabaseConnectionEnvHandler()),
      m_hDbc(context.getDatabaseConnectionDbcHandler()) {}

bool StoredConnection::Prepare(CDB2CmdBase& command) {
    if (!db2::ContextHandleRegistry::OwnsCliHandles(m_pCtx, m_hEnv, m_hDbc)) {
        command.throwJavaException(kForeignCliHandlesMessage);
        return false;
    }
    db2::CDB2APIContext::DetachCurrentCtx();
    return command.makeCurrent(m_pCtx);
}

void StoredConnection::Close() {
    if (m_pCtx == nullptr) {
        return;
    }
    CliConnection(m_hEnv, m_hDbc).Close();
    CreatedContext::End(m_pCtx);
    m_pCtx = nullptr;
    m_hEnv = m_hDbc = SQL_NULL_HANDLE;
}
