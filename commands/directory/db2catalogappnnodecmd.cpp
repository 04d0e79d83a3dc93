#include "commands/directory/db2catalogappnnodecmd.h"

#include <cstring>

#include "commands/fixedfield.h"

namespace {
constexpr unsigned short SQL_APPN_SECURITY_NONE = 0;
constexpr unsigned short SQL_APPN_SECURITY_SAME = 1;
constexpr unsigned short SQL_APPN_SECURITY_PROGRAM = 2;
}  // namespace

CDB2CatalogAPPNNodeCmd::CDB2CatalogAPPNNodeCmd(const tarvinex::JavaObject& command,
                                               const tarvinex::JavaObject& context,
                                               const tarvinex::JavaObject& container)
    : CDB2CatalogNodeBase(command, context, container) {}

bool CDB2CatalogAPPNNodeCmd::SetupData() {
    const tarvinex::JavaObject node = view("DB2CommandCatalogAPPNNode");
    name = node.callStringMethod("getNodeName");
    netId = node.callStringMethod("getNetID");
    partnerLu = node.callStringMethod("getPartnerLu");
    localLu = node.callStringMethod("getLocalLu");
    tpName = node.callStringMethod("getTpName");
    security = readFlag(node, "getSecurity");
    none = readFlag(node, "getNone");
    same = readFlag(node, "getSame");
    program = readFlag(node, "getProgram");
    lanAddress = node.callStringMethod("getLanAddress");
    changePwdLu = node.callStringMethod("getChPwdLu");
    comment = node.callStringMethod("getComment");
    return true;
}

unsigned short CDB2CatalogAPPNNodeCmd::securityType(bool security, bool none, bool same) {
    if (security && none) {
        return SQL_APPN_SECURITY_NONE;
    }
    return security && same ? SQL_APPN_SECURITY_SAME : SQL_APPN_SECURITY_PROGRAM;
}

void* CDB2CatalogAPPNNodeCmd::fillProtocol() {
    std::memset(&appn, 0, sizeof(appn));
    copyToField(appn.networkid, netId);
    copyToField(appn.remote_lu, partnerLu);
    copyToField(appn.local_lu, localLu);
    copyToField(appn.mode, mode);
    copyToField(appn.chgpwd_lu, changePwdLu);
    copyToField(appn.transpn, tpName);
    copyToField(appn.lanaddr, lanAddress);
    appn.security_type = securityType(security, none, same);
    return &appn;
}
