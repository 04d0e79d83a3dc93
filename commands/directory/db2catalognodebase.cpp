#include "commands/directory/db2catalognodebase.h"

#include <cstring>

#include "commands/fixedfield.h"
#include "db2api/db2api.h"

CDB2CatalogNodeBase::CDB2CatalogNodeBase(const tarvinex::JavaObject& command,
                                         const tarvinex::JavaObject& context,
                                         const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2CatalogNodeBase::SetupContext() {
    return beginPrivateContext(ctx);
}

void CDB2CatalogNodeBase::FreeData(bool) {
    ctx.End();
}

bool CDB2CatalogNodeBase::CallDB2API() {
    sqle_node_struct node;
    fillNode(node);
    void* protocolInfo = fillProtocol();
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().CatalogNode(&node, protocolInfo, &ca);
    return checkDB2Call(rc, ca);
}

void CDB2CatalogNodeBase::fillNode(sqle_node_struct& node) const {
    std::memset(&node, 0, sizeof(node));
    node.struct_id = SQL_NODE_STR_ID;
    node.codepage = 0;
    copyToField(node.comment, comment);
    copyToField(node.nodename, name);
    node.protocol = protocolCode();
}

tarvinex::JavaObject CDB2CatalogNodeBase::view(const char* javaClass) const {
    return tarvinex::JavaObject(commandObj,
                                tarvinex::JavaObject::getDB2CommandClassName(javaClass).c_str());
}

int CDB2CatalogNodeBase::readOsType(const tarvinex::JavaObject& command) {
    const t_string enumClass =
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandCatalogNode$EnumOSType");
    return command.getEnumValue("getOsType", enumClass.c_str(), 0);
}

bool CDB2CatalogNodeBase::readFlag(const tarvinex::JavaObject& command, const char* getter) {
    return command.callBooleanMethod(getter, JNI_FALSE) == JNI_TRUE;
}

void CDB2CatalogNodeBase::readSystemOsAndComment(const tarvinex::JavaObject& command) {
    systemName = command.callStringMethod("getSystemName");
    osType = readOsType(command);
    comment = command.callStringMethod("getComment");
}
