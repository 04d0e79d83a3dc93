#include "commands/directory/db2uncatalogdbcmd.h"

#include "db2api/db2api.h"

CDB2UnCatalogDBCmd::CDB2UnCatalogDBCmd(const tarvinex::JavaObject& command,
                                       const tarvinex::JavaObject& context,
                                       const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2UnCatalogDBCmd::SetupData() {
    const tarvinex::JavaObject uncatalog(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandUnCatalogDatabase").c_str());
    alias = uncatalog.getFieldString("Alias");
    return true;
}

bool CDB2UnCatalogDBCmd::SetupContext() {
    return beginPrivateContext(ctx);
}

void CDB2UnCatalogDBCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2UnCatalogDBCmd::CallDB2API() {
    sqlca ca = zeroedSqlca();
    // Passed even when empty: DB2 answers for an empty alias itself.
    const int rc = db2::DB2API::Instance().UnCatalogDatabase(alias.data(), &ca);
    return checkDB2Call(rc, ca);
}
