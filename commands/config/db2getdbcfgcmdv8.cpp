#include "commands/config/db2getdbcfgcmdv8.h"

#include <cctype>

namespace {

bool equalsIgnoreCase(const t_string& a, const t_string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

CDB2GetDbCfgCmdV8::CDB2GetDbCfgCmdV8(const tarvinex::JavaObject& command,
                                     const tarvinex::JavaObject& context,
                                     const tarvinex::JavaObject& container)
    : CDB2GetCfgCmdV8(command, context, container, false) {}

bool CDB2GetDbCfgCmdV8::namesConnectedDatabase() const {
    return m_strAlias.empty() || equalsIgnoreCase(m_strAlias, contextObj.getDatabaseAlias());
}

bool CDB2GetDbCfgCmdV8::SetupContext() {
    if (isDetail || namesConnectedDatabase()) {
        return setupDatabaseContext();
    }
    return setupInstanceContext();
}
