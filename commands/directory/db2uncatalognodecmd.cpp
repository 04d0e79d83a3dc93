#include "commands/directory/db2uncatalognodecmd.h"

#include "db2api/db2api.h"
#include "db2api/db2structs.h"

CDB2UnCatalogNodeCmd::CDB2UnCatalogNodeCmd(const tarvinex::JavaObject& command,
                                           const tarvinex::JavaObject& context,
                                           const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2UnCatalogNodeCmd::SetupData() {
    const tarvinex::JavaObject uncatalog(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandUnCatalogNode").c_str());
    nodeName = uncatalog.callStringMethod("getNodeName");
    // A longer name would remove the node it starts with.
    return fitsField("Node name", nodeName, SQL_NNAME_SZ);
}

bool CDB2UnCatalogNodeCmd::SetupContext() {
    return beginPrivateContext(ctx);
}

bool CDB2UnCatalogNodeCmd::CallDB2API() {
    // Passed even when empty: DB2 judges the name. A copy, since DB2 takes a char*.
    t_string node = nodeName;
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().UnCatalogNode(node.data(), &ca);
    return checkDB2Call(rc, ca);
}

void CDB2UnCatalogNodeCmd::FreeData(bool) {
    ctx.End();
}
