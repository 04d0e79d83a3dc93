#include "commands/directory/db2uncatalogdcsdbcmd.h"

#include "db2api/db2api.h"

CDB2UnCatalogDCSDBCmd::CDB2UnCatalogDCSDBCmd(const tarvinex::JavaObject& command,
                                             const tarvinex::JavaObject& context,
                                             const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2UnCatalogDCSDBCmd::SetupData() {
    const tarvinex::JavaObject uncatalog(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandUnCatalogDCSDB").c_str());
    entry.dbName = uncatalog.getFieldString("DbName");
    return true;
}

bool CDB2UnCatalogDCSDBCmd::SetupContext() {
    return beginPrivateContext(ctx);
}

void CDB2UnCatalogDCSDBCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2UnCatalogDCSDBCmd::CallDB2API() {
    if (!fitsField("DCS database name", entry.dbName, SQL_DCS_LDB_SZ)) {
        return false;
    }
    sql_dir_entry dcs = entry.uncatalogEntry();
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().UnCatalogDCSDatabase(&dcs, &ca);
    return checkDB2Call(rc, ca);
}
