#include "commands/monitor/db2clientmemory.h"

#include "db2api/db2api.h"

void FreeDB2ClientMemory(void* memory) {
    if (memory == nullptr) {
        return;
    }
    sqlca ca = zeroedSqlca();
    db2::DB2API::Instance().FreeMemory(&ca, memory);
}
