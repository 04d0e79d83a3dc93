#include "commands/config/db2updatedbcfgcmdv8.h"

CDB2UpdateDBCfgCmdV8::CDB2UpdateDBCfgCmdV8(const tarvinex::JavaObject& command,
                                           const tarvinex::JavaObject& context,
                                           const tarvinex::JavaObject& container)
    : CDB2UpdateCfgCmdV8(command, context, container, false) {}

bool CDB2UpdateDBCfgCmdV8::SetupContext() {
    if (!m_strAlias.empty() && m_strAlias != contextObj.getDatabaseAlias()) {
        return setupInstanceContext();
    }
    return setupDatabaseContext();
}
