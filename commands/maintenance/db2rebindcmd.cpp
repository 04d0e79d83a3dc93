#include "commands/maintenance/db2rebindcmd.h"

#include "commands/maintenance/optionreader.h"
#include "db2api/db2api.h"

namespace {

constexpr const char* kRebindClass = "DB2CommandRebind";
// The block announces three pairs and has room for four.
constexpr sqluint32 kAllocated = 3;
constexpr std::size_t kRoom = 4;

}  // namespace

CDB2RebindCmd::CDB2RebindCmd(const tarvinex::JavaObject& command,
                             const tarvinex::JavaObject& context,
                             const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2RebindCmd::SetupData() {
    const t_string className = tarvinex::JavaObject::getDB2CommandClassName(kRebindClass);
    const tarvinex::JavaObject cmd(commandObj, className.c_str());
    packageName = cmd.callStringMethod("getPackageName");
    OptionReader read(cmd, className, options);
    read.enumValue("getReopt", "$EnumReopt", SQL_REOPT_OPT);
    read.enumValue("getResolve", "$EnumResolve", SQL_RESOLVE_OPT);
    read.text("getVersionName", SQL_VERSION_OPT);
    rebindOptions = options.build(kAllocated, kRoom);
    if (rebindOptions == nullptr) {
        throwJavaException("Not enough memory for the rebind options!");
        return false;
    }
    return true;
}

bool CDB2RebindCmd::SetupContext() {
    return setupDatabaseContext();
}

void CDB2RebindCmd::FreeData(bool) {}

bool CDB2RebindCmd::CallDB2API() {
    sqlca ca = zeroedSqlca();
    char* name = packageName.empty() ? nullptr : packageName.data();
    const int rc = db2::DB2API::Instance().Rebind(name, &ca, rebindOptions);
    return checkDB2Call(rc, ca);
}
