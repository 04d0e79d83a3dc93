#include "commands/directory/db2catalognodecmd.h"

#include <cstring>

#include "commands/fixedfield.h"

CDB2CatalogNodeCmd::CDB2CatalogNodeCmd(const tarvinex::JavaObject& command,
                                       const tarvinex::JavaObject& context,
                                       const tarvinex::JavaObject& container)
    : CDB2CatalogNodeBase(command, context, container) {}

bool CDB2CatalogNodeCmd::SetupData() {
    const tarvinex::JavaObject node = view("DB2CommandCatalogNode");
    const t_string nodeTypeClass =
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandCatalogNode$EnumNodeType");
    nodeType = node.getEnumValue("getNodeType", nodeTypeClass.c_str(), SQL_PROTOCOL_TCPIP);
    admin = readFlag(node, "getAdmin");
    name = node.callStringMethod("getName");
    hostName = node.callStringMethod("getHostName");
    service = node.callStringMethod("getService");
    securitySock = readFlag(node, "getSecuritySock");
    remoteInstanceName = node.callStringMethod("getRemoteInstanceName");
    readSystemOsAndComment(node);
    return true;
}

unsigned char CDB2CatalogNodeCmd::protocolCode() const {
    return static_cast<unsigned char>(nodeType & 0xFF);
}

void* CDB2CatalogNodeCmd::fillProtocol() {
    std::memset(&tcpip, 0, sizeof(tcpip));
    copyToField(tcpip.hostname, hostName);
    copyToField(tcpip.service_name, service);
    return &tcpip;
}
