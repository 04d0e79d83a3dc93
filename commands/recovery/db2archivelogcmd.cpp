#include "commands/recovery/db2archivelogcmd.h"

#include "commands/database/nullabletext.h"
#include "db2api/db2api.h"

namespace {

const char kClassName[] = "DB2CommandArchiveLog";

}  // namespace

CDB2ArchiveLogCmd::CDB2ArchiveLogCmd(const tarvinex::JavaObject& command,
                                     const tarvinex::JavaObject& context,
                                     const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2ArchiveLogCmd::SetupData() {
    clientVersion = contextObj.getClientVersion();
    const tarvinex::JavaObject archive(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName(kClassName).c_str());
    dbAlias = archive.callStringMethod("getDbAlias");
    username = archive.callStringMethod("getUsername");
    password = archive.callStringMethod("getPassword");
    const bool all = archive.callBooleanMethod("getAllDBPartitionNums", JNI_FALSE);
    const t_string listed = archive.callStringMethod("getDbPartitionNumsString");
    const t_string except = archive.callStringMethod("getExceptDBPartitionNumsString");
    if (ExceptionOccurred()) {
        return false;
    }
    if (all && except.empty()) {
        allNodeFlag = SQLURF_ALL_NODES;
        return true;
    }
    allNodeFlag = all ? SQLURF_ALL_EXCEPT : SQLURF_NODE_LIST;
    t_string why;
    if (!partitions.parse(all ? except : listed, all ? "except partition list" : "partition list",
                          why)) {
        throwJavaException(why.c_str());
        return false;
    }
    return true;
}

bool CDB2ArchiveLogCmd::SetupContext() {
    return beginPrivateContext(ctx);
}

void CDB2ArchiveLogCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2ArchiveLogCmd::CallDB2API() {
    db2ArchiveLogStruct parms{};
    parms.piDatabaseAlias = textOrNull(dbAlias);
    parms.piUserName = textOrNull(username);
    parms.piPassword = textOrNull(password);
    parms.iAllNodeFlag = allNodeFlag;
    parms.iNumNodes = static_cast<db2Uint16>(partitions.size());
    parms.piNodeList = partitions.numbers();
    parms.iOptions = 0;
    sqlca ca = zeroedSqlca();
    const db2::DB2API& api = db2::DB2API::Instance();
    const int rc = clientVersion < 8.0 ? api.ArchiveLogV7(db2Version710, &parms, &ca)
                                       : api.ArchiveLog(db2Version810, &parms, &ca);
    return checkDB2Call(rc, ca);
}
