#include "commands/directory/db2catalognamedpipenodecmd.h"

#include <cstring>

#include "commands/fixedfield.h"

CDB2CatalogNamedPipeNodeCmd::CDB2CatalogNamedPipeNodeCmd(const tarvinex::JavaObject& command,
                                                         const tarvinex::JavaObject& context,
                                                         const tarvinex::JavaObject& container)
    : CDB2CatalogNodeBase(command, context, container) {}

bool CDB2CatalogNamedPipeNodeCmd::SetupData() {
    const tarvinex::JavaObject node = view("DB2CommandCatalogNamedPipeNode");
    admin = readFlag(node, "getAdmin");
    name = node.callStringMethod("getNodeName");
    computerName = node.callStringMethod("getComputerName");
    instanceName = node.callStringMethod("getInstanceName");
    osType = readOsType(node);
    comment = node.callStringMethod("getComment");
    return true;
}

void* CDB2CatalogNamedPipeNodeCmd::fillProtocol() {
    std::memset(&npipe, 0, sizeof(npipe));
    copyToField(npipe.computername, computerName);
    copyToField(npipe.instance_name, instanceName);
    return &npipe;
}
