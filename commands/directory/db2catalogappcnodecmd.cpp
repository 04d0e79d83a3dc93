#include "commands/directory/db2catalogappcnodecmd.h"

#include <cstring>

#include "commands/fixedfield.h"

namespace {
constexpr unsigned short SQL_CPIC_SECURITY_NONE = 0;
constexpr unsigned short SQL_CPIC_SECURITY_SAME = 1;
constexpr unsigned short SQL_CPIC_SECURITY_PROGRAM = 2;
}  // namespace

CDB2CatalogAPPCNodeCmd::CDB2CatalogAPPCNodeCmd(const tarvinex::JavaObject& command,
                                               const tarvinex::JavaObject& context,
                                               const tarvinex::JavaObject& container)
    : CDB2CatalogNodeBase(command, context, container) {}

bool CDB2CatalogAPPCNodeCmd::SetupData() {
    const tarvinex::JavaObject node = view("DB2CommandCatalogAPPCNode");
    name = node.callStringMethod("getNodeName");
    symbDestName = node.callStringMethod("getSymbDestName");
    security = readFlag(node, "getSecurity");
    none = readFlag(node, "getNone");
    same = readFlag(node, "getSame");
    program = readFlag(node, "getProgram");
    instanceName = node.callStringMethod("getInstanceName");
    readSystemOsAndComment(node);
    return true;
}

unsigned short CDB2CatalogAPPCNodeCmd::securityType(bool security, bool none, bool program) {
    if (!security || program) {
        return SQL_CPIC_SECURITY_PROGRAM;
    }
    return none ? SQL_CPIC_SECURITY_NONE : SQL_CPIC_SECURITY_SAME;
}

void* CDB2CatalogAPPCNodeCmd::fillProtocol() {
    std::memset(&cpic, 0, sizeof(cpic));
    copyToField(cpic.sym_dest_name, symbDestName);
    cpic.security_type = securityType(security, none, program);
    return &cpic;
}
