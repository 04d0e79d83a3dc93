#include "commands/config/db2autoconfigurecmd.h"

#include "commands/config/autoconfigcall.h"
#include "commands/config/autoconfigrows.h"
#include "db2api/db2api.h"
#include "db2api/db2structs.h"

namespace {

const char kCommandClass[] = "DB2CommandAutoConfigure";
const char kFactoryClass[] = "configParams/ParameterFactory";
const char kAutoConfigFailed[] = "Error in db2autoconfigure call.";

constexpr db2Uint32 kVersion8 = 8010000;
constexpr db2Uint32 kVersion9 = 9000000;

t_string enumClass(const char* suffix) {
    return tarvinex::JavaObject::getDB2CommandClassName(kCommandClass) + suffix;
}

}  // namespace

CDB2AutoConfigureCmd::CDB2AutoConfigureCmd(const tarvinex::JavaObject& command,
                                           const tarvinex::JavaObject& context,
                                           const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2AutoConfigureCmd::SetupData() {
    const tarvinex::JavaObject command(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName(kCommandClass).c_str());
    alias = command.callStringMethod("getRemoteDatabaseName");
    applyMode = command.getEnumValue("getApplyType", enumClass("$EnumApplyType").c_str(), 0);
    readWorkload(command);
    numElement = static_cast<int>(AutoConfigCall::kNumElements);
    isV8 = contextObj.getClientVersion() < 9.0;
    version = isV8 ? kVersion8 : kVersion9;
    // A cut alias could name another database, which an applying run would then change.
    return fitsField("Database alias", alias, SQL_ALIAS_SZ);
}

void CDB2AutoConfigureCmd::readWorkload(const tarvinex::JavaObject& command) {
    mem_percent = command.callIntegerMethod("getMemoryPercentage", 25);
    workload_type =
        command.getEnumValue("getWorkloadType", enumClass("$EnumWorkloadType").c_str(), 2);
    num_stmts = command.callIntegerMethod("getNumStmts", 10);
    tpm = command.callIntegerMethod("getTransactionPerMinute", 60);
    admin_priority =
        command.getEnumValue("getAdminPriority", enumClass("$EnumAdminPriority").c_str(), 2);
    is_populated = command.callBooleanMethod("getIsPopulated", JNI_TRUE) ? 1 : 2;
    num_local_apps = command.callIntegerMethod("getNumLocalApps", 0);
    num_remote_apps = command.callIntegerMethod("getNumRemoteApps", 10);
    isolation = command.getEnumValue("getIsolation", enumClass("$EnumIsolation").c_str(), 1);
    bp_resizable = command.callBooleanMethod("getBufferpoolResizable", JNI_TRUE) ? 1 : 0;
}

bool CDB2AutoConfigureCmd::SetupContext() {
    return setupDatabaseContext();
}

bool CDB2AutoConfigureCmd::CallDB2API() {
    AutoConfigCall call(version, alias, applyMode,
                        {mem_percent, workload_type, num_stmts, tpm, admin_priority, is_populated,
                         num_local_apps, num_remote_apps, isolation, bp_resizable});
    sqlca ca;
    const int rc = call.Run(ca);
    if (rc == db2::kEntryPointMissing) {
        throwJavaException(kNoSuchFunctionMessage);
        return false;
    }
    if (rc != 0) {
        throwJavaException(kAutoConfigFailed);
        return false;
    }
    const tarvinex::JavaObject factory(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName(kFactoryClass).c_str());
    AutoConfigRows rows(factory, containerObj, contextObj.getClientVersionWithRevision(), isV8,
                        applyMode);
    return rows.AddColumns() && rows.AddAll(call.get().oResult);
}

// The interface, its elements and DB2's output are released by AutoConfigCall on every path.
void CDB2AutoConfigureCmd::FreeData(bool) {}
