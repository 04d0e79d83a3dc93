#include "commands/database/db2stopdbmcmd.h"

#include <cstring>

#include "commands/database/nullabletext.h"
#include "commands/fixedfield.h"
#include "db2api/db2api.h"
#include "db2api/db2structs.h"

namespace {

const char kJavaClass[] = "DB2CommandStopDBM";

}  // namespace

CDB2StopDBMCmd::CDB2StopDBMCmd(const tarvinex::JavaObject& command,
                               const tarvinex::JavaObject& context,
                               const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2StopDBMCmd::SetupData() {
    const t_string className = tarvinex::JavaObject::getDB2CommandClassName(kJavaClass);
    const tarvinex::JavaObject stop(commandObj, className.c_str());
    profile = stop.getFieldString("Profile");
    partitionNum = stop.callIntegerMethod("getPartitionNum", -1);
    const t_string modeEnum = className + "$EnumStopMode";
    stopMode = stop.getEnumValue("getStopMode", modeEnum.c_str(), 0);
    version8 = !(contextObj.getClientVersion() < 8.0);
    return true;
}

bool CDB2StopDBMCmd::SetupContext() {
    return beginPrivateContext(ctx);
}

void CDB2StopDBMCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2StopDBMCmd::CallDB2API() {
    return version8 ? stopV8() : stopOlder();
}

bool CDB2StopDBMCmd::stopV8() {
    sqlca ca = zeroedSqlca();
    db2InstanceStopStruct stop;
    std::memset(&stop, 0, sizeof(stop));
    db2DasCommData comm;
    std::memset(&comm, 0, sizeof(comm));
    db2StopOptionsStruct options;
    std::memset(&options, 0, sizeof(options));

    stop.piCommData = &comm;
    stop.piStopOpts = &options;
    options.iIsProfile = profile.empty() ? 0 : 1;
    options.piProfile = textOrNull(profile);
    if (partitionNum != -1) {
        options.iIsNodeNum = 1;
        options.iNodeNum = static_cast<SQL_PDB_NODE_TYPE>(partitionNum);
    }
    options.iStopOption = static_cast<db2Uint32>(stopMode);
    const int rc = db2::DB2API::Instance().db2InstanceStop(db2Version810, &stop, &ca);
    return checkDB2Call(rc, ca);
}

bool CDB2StopDBMCmd::stopOlder() {
    sqlca ca = zeroedSqlca();
    sqledbstopopt options;
    std::memset(&options, 0, sizeof(options));
    options.isprofile = profile.empty() ? 0 : 1;
    copyToField(options.profile, profile);
    if (partitionNum != -1) {
        options.isnodenum = 1;
        options.nodenum = static_cast<SQL_PDB_NODE_TYPE>(partitionNum);
    }
    options.option = static_cast<sqluint32>(stopMode);
    const int rc = db2::DB2API::Instance().db2InstanceStopV7(&options, &ca);
    return checkDB2Call(rc, ca);
}
