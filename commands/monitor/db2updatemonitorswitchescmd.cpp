#include "commands/monitor/db2updatemonitorswitchescmd.h"

#include <iterator>

#include "db2api/contexthandleregistry.h"
#include "db2api/db2api.h"
#include "db2api/db2apicontext.h"
#include "db2api/db2structs.h"

namespace {

// In the order of the recording groups.
constexpr const char* kSwitchGetters[] = {
    "getUOWSwitchStr",  "getStatementSwitchStr", "getTableSwitchStr",    "getBufferpoolSwitchStr",
    "getLockSwitchStr", "getSortSwitchStr",      "getTimestampSwitchStr"};
static_assert(std::size(kSwitchGetters) == SQLM_NUM_GROUPS, "a getter per group");

}  // namespace

CDB2UpdateMonitorSwitchesCmd::CDB2UpdateMonitorSwitchesCmd(const tarvinex::JavaObject& command,
                                                           const tarvinex::JavaObject& context,
                                                           const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

sqluint32 CDB2UpdateMonitorSwitchesCmd::switchState(const t_string& text) {
    if (text == "ON") {
        return SQLM_ON;
    }
    return text == "OFF" ? SQLM_OFF : SQLM_HOLD;
}

sqluint32 CDB2UpdateMonitorSwitchesCmd::timestampState(const t_string& text) {
    return text == "ON" ? SQLM_ON : SQLM_OFF;
}

bool CDB2UpdateMonitorSwitchesCmd::SetupData() {
    const tarvinex::JavaObject command(
        commandObj,
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandUpdateMonitorSwitches").c_str());
    for (std::size_t i = 0; i < switches.size(); ++i) {
        switches[i] = command.callStringMethod(kSwitchGetters[i]);
    }
    dbPartitionNum = command.callIntegerMethod("getDbPartitionNum", -1);
    isGlobal = command.callBooleanMethod("getIsGlobal", JNI_FALSE) == JNI_TRUE;
    version8 = contextObj.getClientVersion() >= 8.0;
    return true;
}

bool CDB2UpdateMonitorSwitchesCmd::SetupContext() {
    const int stored = contextObj.getInstanceConnectionContext();
    if (ExceptionOccurred()) {
        return false;
    }
    sqlca answer = zeroedSqlca();
    switch (ctx.Begin(db2::ContextHandleRegistry::FromHandle(stored), answer)) {
        case MonitorContext::Start::kStored:
        case MonitorContext::Start::kPrivate:
            return true;
        case MonitorContext::Start::kNotCurrent:
            raiseAttachFailure(answer);
            return false;
        case MonitorContext::Start::kNotCreated:
            break;
    }
    return false;
}

bool CDB2UpdateMonitorSwitchesCmd::CallDB2API() {
    std::array<sqlm_recording_group, SQLM_NUM_GROUPS> groups{};
    for (std::size_t i = 0; i < SQLM_TIMESTAMP_SW; ++i) {
        groups[i].input_state = switchState(switches[i]);
    }
    if (version8) {
        groups[SQLM_TIMESTAMP_SW].input_state = timestampState(switches[SQLM_TIMESTAMP_SW]);
    }
    db2Uint32 outputFormat = 0;
    db2MonitorSwitchesData data{};
    data.piGroupStates = groups.data();
    data.poBuffer = nullptr;
    data.iBufferSize = 0;
    data.iReturnData = 0;
    // Before 8.0 DB2 reads six groups, with no timestamp switch.
    data.iVersion = version8 ? SQLM_DBMON_VERSION8 : SQLM_DBMON_VERSION7;
    data.iNodeNumber = isGlobal ? SQLM_ALL_NODES : dbPartitionNum;
    data.poOutputFormat = &outputFormat;
    sqlca ca = zeroedSqlca();
    const int rc =
        db2::DB2API::Instance().MonitorSwitches(version8 ? 8010000 : 7010000, &data, &ca);
    return checkDB2Call(rc, ca);
}

void CDB2UpdateMonitorSwitchesCmd::FreeData(bool) {
    ctx.End();
    db2::CDB2APIContext::DetachCurrentCtx();
}
