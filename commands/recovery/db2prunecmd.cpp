#include "commands/recovery/db2prunecmd.h"

#include "commands/database/nullabletext.h"
#include "commands/recovery/recoveryversion.h"
#include "commands/utilityversion.h"
#include "db2api/db2api.h"

namespace {

const char kClassName[] = "DB2CommandPrune";

}  // namespace

CDB2PruneCmd::CDB2PruneCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                           const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

t_string CDB2PruneCmd::logNumber(const t_string& logFileName) {
    std::size_t start = logFileName.find('0');
    if (start == t_string::npos) {
        start = 0;
    }
    const std::size_t end = logFileName.find('.', start);
    return logFileName.substr(start, end == t_string::npos ? t_string::npos : end - start);
}

bool CDB2PruneCmd::SetupData() {
    if (!RecoveryVersion::read(contextObj, version)) {
        return false;
    }
    const tarvinex::JavaObject prune(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName(kClassName).c_str());
    timestamp = prune.callStringMethod("getTimestamp");
    logFileName = prune.callStringMethod("getLogFileName");
    action = timestamp.empty() ? DB2PRUNE_ACTION_LOG : DB2PRUNE_ACTION_HISTORY;
    options = DB2PRUNE_OPTION_NONE;
    if (prune.callboolMethod("isWithForce")) {
        options |= DB2PRUNE_OPTION_FORCE;
    }
    if (prune.callboolMethod("isAndDelete")) {
        options |= DB2PRUNE_OPTION_DELETE;
    }
    if (!logFileName.empty()) {
        options |= DB2PRUNE_OPTION_LSNSTRING;
    }
    return true;
}

bool CDB2PruneCmd::SetupContext() {
    return setupDatabaseContext();
}

void CDB2PruneCmd::FreeData(bool) {}

bool CDB2PruneCmd::CallDB2API() {
    t_string text = logFileName.empty() ? timestamp : logNumber(logFileName);
    db2PruneStruct parms{};
    parms.piString = textOrNull(text);
    parms.iAction = action;
    parms.iOptions = options;
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().Prune(UtilityVersion::apiLevel(version), &parms, &ca);
    return checkDB2Call(rc, ca);
}
