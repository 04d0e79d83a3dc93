#include "commands/directory/db2cataloglocalnodecmd.h"

#include <cstdlib>
#include <cstring>

#include "commands/fixedfield.h"

CDB2CatalogLocalNodeCmd::CDB2CatalogLocalNodeCmd(const tarvinex::JavaObject& command,
                                                 const tarvinex::JavaObject& context,
                                                 const tarvinex::JavaObject& container)
    : CDB2CatalogNodeBase(command, context, container) {}

bool CDB2CatalogLocalNodeCmd::SetupData() {
    const tarvinex::JavaObject node = view("DB2CommandCatalogLocalNode");
    admin = readFlag(node, "getAdmin");
    name = node.callStringMethod("getNodeName");
    instanceName = node.callStringMethod("getInstanceName");
    readSystemOsAndComment(node);
    return true;
}

void* CDB2CatalogLocalNodeCmd::fillProtocol() {
    if (instanceName.empty()) {
        // The variable may be of any length; only the first 8 characters reach the field.
        const char* fromEnvironment = std::getenv("DB2INSTANCE");
        instanceName = fromEnvironment != nullptr ? fromEnvironment : "";
    }
    std::memset(&local, 0, sizeof(local));
    copyToField(local.instance_name, instanceName);
    return &local;
}
