#include "commands/directory/db2catalogdcsdbcmd.h"

#include "db2api/db2api.h"

CDB2CatalogDCSDBCmd::CDB2CatalogDCSDBCmd(const tarvinex::JavaObject& command,
                                         const tarvinex::JavaObject& context,
                                         const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2CatalogDCSDBCmd::SetupData() {
    entry.readAll(tarvinex::JavaObject(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandCatalogDCSDB").c_str()));
    return true;
}

bool CDB2CatalogDCSDBCmd::SetupContext() {
    return beginPrivateContext(ctx);
}

void CDB2CatalogDCSDBCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2CatalogDCSDBCmd::CallDB2API() {
    sql_dir_entry dcs = entry.catalogEntry();
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().CatalogDCSDatabase(&dcs, &ca);
    return checkDB2Call(rc, ca);
}
