#include "commands/database/db2changedbcommentcmd.h"

#include "db2api/db2api.h"

CDB2ChangeDBCommentCmd::CDB2ChangeDBCommentCmd(const tarvinex::JavaObject& command,
                                               const tarvinex::JavaObject& context,
                                               const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2ChangeDBCommentCmd::SetupData() {
    const tarvinex::JavaObject change(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandChangeDBComment").c_str());
    alias = change.callStringMethod("getAlias");
    comment = change.callStringMethod("getComment");
    path = change.callStringMethod("getPath");
    return true;
}

bool CDB2ChangeDBCommentCmd::SetupContext() {
    return beginPrivateContext(ctx);
}

void CDB2ChangeDBCommentCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2ChangeDBCommentCmd::CallDB2API() {
    sqlca ca = zeroedSqlca();
    // The wrapper replaces the path with "".
    const int rc =
        db2::DB2API::Instance().ChangeDBComment(alias.data(), path.data(), comment.data(), &ca);
    return checkDB2Call(rc, ca);
}
