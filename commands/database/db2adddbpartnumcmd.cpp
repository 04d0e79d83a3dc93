#include "commands/database/db2adddbpartnumcmd.h"

#include <algorithm>
#include <cstring>

#include "commands/fixedfield.h"
#include "db2api/db2api.h"
#include "db2api/db2structs.h"

CDB2AddDBPartNumCmd::CDB2AddDBPartNumCmd(const tarvinex::JavaObject& command,
                                         const tarvinex::JavaObject& context,
                                         const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container),
      version(std::min(static_cast<int>(contextObj.getDatabaseVersion()),
                       static_cast<int>(contextObj.getClientVersion()))) {
    ca = zeroedSqlca();
}

bool CDB2AddDBPartNumCmd::SetupData() {
    const tarvinex::JavaObject add(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName("DB2CommandAddDBPartNum").c_str());
    nodeNum = add.callIntegerMethod("getDbPartitionNum", -1);
    if (nodeNum != -1) {
        tblspace_type = SQLE_TABLESPACES_LIKE_NODE;
    } else if (add.callboolMethod("isWithoutTablespaces")) {
        tblspace_type = SQLE_TABLESPACES_NONE;
    } else {
        tblspace_type = SQLE_TABLESPACES_LIKE_CATALOG;
    }
    return true;
}

bool CDB2AddDBPartNumCmd::SetupContext() {
    return beginPrivateContext(ctx);
}

void CDB2AddDBPartNumCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2AddDBPartNumCmd::CallDB2API() {
    sqle_addn_options options;
    std::memset(&options, 0, sizeof(options));
    copyEyeCatcher(options.sqladdid, SQLE_ADDOPTID_V51);
    options.tblspace_type = static_cast<sqluint32>(static_cast<sqlint32>(tblspace_type));
    // Without a partition the low 16 bits of -1 go: 0xFFFF, which DB2 ignores for these types.
    options.tblspace_node = static_cast<SQL_PDB_NODE_TYPE>(nodeNum & 0xFFFF);
    ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().AddDBPartNum(&options, &ca);
    return checkDB2Call(rc, ca);
}
