#include "commands/database/db2startdbmcmd.h"

#include <cstring>

#include "commands/database/nullabletext.h"
#include "db2api/db2api.h"

namespace {

const char kJavaClass[] = "DB2CommandStartDBM";
const char kRemoteNeedsVersion8[] =
    "Error: Starting a remote instance needs a DB2 client of version 8.0 or later!";

}  // namespace

CDB2StartDBMCmd::CDB2StartDBMCmd(const tarvinex::JavaObject& command,
                                 const tarvinex::JavaObject& context,
                                 const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2StartDBMCmd::SetupData() {
    const t_string className = tarvinex::JavaObject::getDB2CommandClassName(kJavaClass);
    parameters.Read(tarvinex::JavaObject(commandObj, className.c_str()), className);
    version8 = !(contextObj.getClientVersion() < 8.0);
    return true;
}

bool CDB2StartDBMCmd::SetupContext() {
    // The older interface has no remote start; starting the local instance instead would act
    // on the wrong one.
    if (!parameters.remoteInstanceName.empty() && !version8) {
        throwJavaException(kRemoteNeedsVersion8);
        return false;
    }
    return beginPrivateContext(ctx);
}

void CDB2StartDBMCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2StartDBMCmd::CallDB2API() {
    return version8 ? startV8() : startOlder();
}

bool CDB2StartDBMCmd::startV8() {
    sqlca ca = zeroedSqlca();
    db2InstanceStartStruct start;
    std::memset(&start, 0, sizeof(start));
    db2DasCommData comm;
    std::memset(&comm, 0, sizeof(comm));
    db2StartOptionsStruct options;
    std::memset(&options, 0, sizeof(options));

    StartParameters& p = parameters;
    if (!p.remoteInstanceName.empty()) {
        start.iIsRemote = 1;
        start.piRemoteInstName = p.remoteInstanceName.data();
        comm.iCommParam = 1;  // the same code for an administration node and a host name
        comm.piNodeOrHostName =
            !p.remoteAdminNodeName.empty() ? p.remoteAdminNodeName.data() : p.remoteHostName.data();
        comm.piUserId = p.remoteUserId.data();
        comm.piUserPw = p.remotePassword.data();
        start.piCommData = &comm;
    }
    p.Fill(options);
    start.piStartOpts = &options;
    const int rc = db2::DB2API::Instance().db2InstanceStart(db2Version810, &start, &ca);
    return checkDB2Call(rc, ca);
}

bool CDB2StartDBMCmd::startOlder() {
    sqlca ca = zeroedSqlca();
    sqle_start_options options;
    std::memset(&options, 0, sizeof(options));
    parameters.Fill(options);
    const int rc = db2::DB2API::Instance().db2InstanceStartV7(&options, &ca);
    return checkDB2Call(rc, ca);
}
