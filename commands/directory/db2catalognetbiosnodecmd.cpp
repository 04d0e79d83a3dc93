#include "commands/directory/db2catalognetbiosnodecmd.h"

#include <cstring>

#include "commands/fixedfield.h"

CDB2CatalogNetBiosNodeCmd::CDB2CatalogNetBiosNodeCmd(const tarvinex::JavaObject& command,
                                                     const tarvinex::JavaObject& context,
                                                     const tarvinex::JavaObject& container)
    : CDB2CatalogNodeBase(command, context, container) {}

bool CDB2CatalogNetBiosNodeCmd::SetupData() {
    const tarvinex::JavaObject node = view("DB2CommandCatalogNetBiosNode");
    admin = readFlag(node, "getAdmin");
    name = node.callStringMethod("getNodeName");
    serverName = node.callStringMethod("getServerName");
    // DB2's adapter field is 16 bits wide; the low 16 bits of the Java number go in.
    adapterNumber = static_cast<unsigned short>(node.callIntegerMethod("getAdapterNumber", 0));
    instanceName = node.callStringMethod("getInstanceName");
    readSystemOsAndComment(node);
    return true;
}

void* CDB2CatalogNetBiosNodeCmd::fillProtocol() {
    std::memset(&netbios, 0, sizeof(netbios));
    netbios.adapter = adapterNumber;
    copyToField(netbios.remote_nname, serverName);
    return &netbios;
}
