#include "commands/database/db2deactivatedbcmd.h"

#include "db2api/db2api.h"

int CDB2DeActivateDBCmd::callEntryPoint(char* pAlias, char* pUserName, char* pPassword, sqlca* ca) {
    return db2::DB2API::Instance().DeActivateDatabase(pAlias, pUserName, pPassword, nullptr, ca);
}
