#include "commands/database/db2activatedbcmd.h"

#include "db2api/db2api.h"

int CDB2ActivateDBCmd::callEntryPoint(char* pAlias, char* pUserName, char* pPassword, sqlca* ca) {
    return db2::DB2API::Instance().ActivateDatabase(pAlias, pUserName, pPassword, nullptr, ca);
}
