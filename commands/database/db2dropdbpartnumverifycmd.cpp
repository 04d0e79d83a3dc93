#include "commands/database/db2dropdbpartnumverifycmd.h"

#include "db2api/db2api.h"
#include "db2api/db2structs.h"

CDB2DropDBPartNumVerifyCmd::CDB2DropDBPartNumVerifyCmd(const tarvinex::JavaObject& command,
                                                       const tarvinex::JavaObject& context,
                                                       const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {
    ca = zeroedSqlca();
}

bool CDB2DropDBPartNumVerifyCmd::SetupData() {
    return true;
}

bool CDB2DropDBPartNumVerifyCmd::SetupContext() {
    return beginPrivateContext(ctx);
}

void CDB2DropDBPartNumVerifyCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2DropDBPartNumVerifyCmd::CallDB2API() {
    ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().DropDBPartNumVerify(SQL_DROPNODE_VERIFY, nullptr, &ca);
    return checkDB2Call(rc, ca);
}
