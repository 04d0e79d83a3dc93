#include "commands/directory/db2catalogdbcmd.h"

#include "db2api/db2api.h"
#include "db2api/db2structs.h"

namespace {

const char kJavaClass[] = "DB2CommandCatalogDatabase";

// DB2 takes a missing optional text as a null pointer, not as "".
char* orNull(t_string& text) {
    return text.empty() ? nullptr : text.data();
}

}  // namespace

CDB2CatalogDBCmd::CDB2CatalogDBCmd(const tarvinex::JavaObject& command,
                                   const tarvinex::JavaObject& context,
                                   const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2CatalogDBCmd::SetupData() {
    const t_string className = tarvinex::JavaObject::getDB2CommandClassName(kJavaClass);
    const tarvinex::JavaObject catalog(commandObj, className.c_str());
    dbName = catalog.getFieldString("DbName");
    alias = catalog.getFieldString("Alias");
    nodeName = catalog.getFieldString("NodeName");
    path = catalog.getFieldString("Path");
    comment = catalog.getFieldString("Comment");
    principal = catalog.getFieldString("Principal");
    type = !nodeName.empty() && path.empty() ? SQL_REMOTE : SQL_INDIRECT;
    const t_string enumClass = className + "$EnumAuthenticationType";
    authentication = static_cast<unsigned short>(
        catalog.getEnumValue("getAuthenticationType", enumClass.c_str(), 0));
    return true;
}

bool CDB2CatalogDBCmd::SetupContext() {
    return beginPrivateContext(ctx);
}

void CDB2CatalogDBCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2CatalogDBCmd::CallDB2API() {
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().CatalogDatabase(
        dbName.data(), orNull(alias), type, orNull(nodeName), orNull(path), orNull(comment),
        authentication, orNull(principal), &ca);
    return checkDB2Call(rc, ca);
}
