// The database monitor's entry points: db2GetSnapshot, db2GetSnapshotSize, db2MonitorSwitches,
// db2ResetMonitor (versioned, registered with versioned.cpp) and sqlefrce_api.
//
// Switches and resets belong to the calling context's instance attachment; a context without
// one is attached to the local instance first, as DB2 does, and a detach (or the end of the
// context) ends that attachment with everything the monitor kept for it. A snapshot uses the
// attachment's switches when there is one, else the instance's defaults, and never attaches.
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "db2sim/connection/users.h"
#include "db2sim/core/apicall.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/instancestate.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/core/versionedregistry.h"
#include "db2sim/monitor/monitorcodes.h"
#include "db2sim/monitor/monitorelements.h"
#include "db2sim/monitor/monitorstate.h"
#include "db2sim/monitor/snapshotbuilder.h"

DB2SIM_CHECK_TYPE(sqlefrce_api);

namespace db2sim {
namespace {

constexpr db2Uint32 kFirstVersion = 7010000;  // db2Version710
constexpr sqluint32 kMaxItems = 1024;         // objects of one sqlma
constexpr sqluint32 kShownItems = 4;
constexpr sqlint32 kShownAgentIds = 16;
constexpr db2int32 kPartition = 0;  // the instance's one partition
// What db2GetSnapshotSize adds to the size it measured: room for what changes before the
// snapshot itself is taken.
constexpr sqluint32 kEstimateSlack = 4096;

// "obj_num=N items=type/agent/'object';..." for the journal, items bounded.
void journalRequest(ApiCall& call, const void* request) {
    call.ptr("piSqlmaData", request);
    const auto* ma = static_cast<const sqlma*>(request);
    if (ma == nullptr) {
        return;
    }
    call.num("obj_num", ma->obj_num);
    if (ma->obj_num == 0 || ma->obj_num > kMaxItems) {
        return;
    }
    std::string items;
    for (sqluint32 i = 0; i < ma->obj_num && i < kShownItems; ++i) {
        const sqlm_obj_struct& item = ma->obj_var[i];
        char type[16];
        std::snprintf(type, sizeof(type), "0x%X", item.obj_type);
        items += (i == 0 ? "" : ";") + std::string(type) + "/" + std::to_string(item.agent_id) +
                 "/'" + std::string(item.object, strnlen(item.object, sizeof(item.object))) + "'";
    }
    if (ma->obj_num > kShownItems) {
        items += ";...";
    }
    call.text("obj_var", items.c_str());
}

bool validPartition(db2int32 node) {
    return node == SQLM_CURRENT_NODE || node == SQLM_ALL_NODES || node == kPartition;
}

bool validStreamVersion(db2Uint32 version) {
    return version >= SQLM_DBMON_VERSION6 && version <= SQLM_DBMON_VERSION9_5;
}

// The refusal of a request's common parameters, or 0 (`name` set to the parameter refused).
int requestRefusal(const void* request, db2Uint32 version, db2int32 node, db2Uint32 snapshotClass,
                   std::string& name) {
    const auto* ma = static_cast<const sqlma*>(request);
    if (ma == nullptr) {
        return code::kMonitorNullPointer;
    }
    name = ma->obj_num == 0 || ma->obj_num > kMaxItems     ? "obj_num"
           : !validStreamVersion(version)                  ? "iVersion"
           : !validPartition(node)                         ? "iNodeNumber"
           : snapshotClass > SQLM_CLASS_HEALTH_WITH_DETAIL ? "iSnapshotClass"
                                                           : "";
    return name.empty() ? code::kSuccess : code::kMonitorInvalidValue;
}

// The checks both snapshot calls make of the API version and the request: the call's failure,
// or 0 when they pass.
int refuseRequest(ApiCall& call, db2Uint32 apiVersion, const void* request, db2Uint32 version,
                  db2int32 node, db2Uint32 snapshotClass) {
    if (apiVersion < kFirstVersion) {
        return call.fail(code::kInvalidParameter, {"versionNumber"});
    }
    std::string refused;
    if (int refusal = requestRefusal(request, version, node, snapshotClass, refused)) {
        return call.fail(refusal, {refused});
    }
    return 0;
}

// Builds the snapshot of every item; the refusal of the first item refused, or 0.
int build(ApiCall& call, const void* request, db2Uint32 version, SnapshotBuilder*& built,
          std::optional<SnapshotBuilder>& holder) {
    const auto* ma = static_cast<const sqlma*>(request);
    holder.emplace(call.instance().contexts().current(), version, call.instance().home());
    for (sqluint32 i = 0; i < ma->obj_num; ++i) {
        if (int refusal = holder->add(ma->obj_var[i])) {
            return refusal;
        }
    }
    holder->finish();
    built = &*holder;
    return code::kSuccess;
}

int getSnapshot(ApiCall& call, db2Uint32 version, void* parms) {
    auto* in = static_cast<db2GetSnapshotData*>(parms);
    if (in == nullptr) {
        return call.fail(code::kInvalidParameter, {"pParmStruct"});
    }
    journalRequest(call, in->piSqlmaData);
    call.ptr("poCollectedData", in->poCollectedData).ptr("poBuffer", in->poBuffer);
    call.num("iVersion", in->iVersion).num("iBufferSize", in->iBufferSize);
    call.num("iStoreResult", in->iStoreResult).num("iNodeNumber", in->iNodeNumber);
    call.ptr("poOutputFormat", in->poOutputFormat).num("iSnapshotClass", in->iSnapshotClass);
    if (int rc = refuseRequest(call, version, in->piSqlmaData, in->iVersion, in->iNodeNumber,
                               in->iSnapshotClass)) {
        return rc;
    }
    if (in->poBuffer == nullptr) {
        return call.fail(code::kMonitorNullPointer);
    }
    if (in->iBufferSize < 0) {
        return call.fail(code::kMonitorInvalidValue, {"iBufferSize"});
    }
    SnapshotBuilder* snapshot = nullptr;
    std::optional<SnapshotBuilder> holder;
    if (int refusal = build(call, in->piSqlmaData, in->iVersion, snapshot, holder)) {
        return call.fail(refusal, {std::to_string(refusal)});
    }
    if (in->poOutputFormat != nullptr) {
        *in->poOutputFormat = SQLM_STREAM_DYNAMIC_FORMAT;
    }
    if (in->poCollectedData != nullptr) {
        snapshot->summarize(*in->poCollectedData);
    }
    if (snapshot->groups() == 0) {
        return call.fail(code::kSnapshotNoData);
    }
    const std::vector<unsigned char>& stream = snapshot->finish();
    call.num("streamSize", static_cast<long long>(stream.size()));
    if (stream.size() > static_cast<size_t>(in->iBufferSize)) {
        return call.fail(code::kSnapshotBufferFull);
    }
    std::memcpy(in->poBuffer, stream.data(), stream.size());
    return call.succeed();
}

int getSnapshotSize(ApiCall& call, db2Uint32 version, void* parms) {
    auto* in = static_cast<db2GetSnapshotSizeData*>(parms);
    if (in == nullptr) {
        return call.fail(code::kInvalidParameter, {"pParmStruct"});
    }
    journalRequest(call, in->piSqlmaData);
    call.ptr("poBufferSize", in->poBufferSize).num("iVersion", in->iVersion);
    call.num("iNodeNumber", in->iNodeNumber).num("iSnapshotClass", in->iSnapshotClass);
    if (int rc = refuseRequest(call, version, in->piSqlmaData, in->iVersion, in->iNodeNumber,
                               in->iSnapshotClass)) {
        return rc;
    }
    if (in->poBufferSize == nullptr) {
        return call.fail(code::kMonitorNullPointer);
    }
    SnapshotBuilder* snapshot = nullptr;
    std::optional<SnapshotBuilder> holder;
    if (int refusal = build(call, in->piSqlmaData, in->iVersion, snapshot, holder)) {
        return call.fail(refusal, {std::to_string(refusal)});
    }
    size_t estimate = snapshot->finish().size() + kEstimateSlack;
    *in->poBufferSize = static_cast<sqluint32>(std::min<size_t>(estimate, UINT32_MAX));
    call.num("estimate", *in->poBufferSize);
    return call.succeed();
}

// The calling context's attachment; a context without one is attached to the local instance,
// as the OS user the process runs as. Null with `refusal` set when that is not possible.
std::optional<Attachment> attachmentOf(const void* ctx, int& refusal) {
    Manager& manager = Manager::get();
    if (std::optional<Attachment> attached = manager.attachments().find(ctx)) {
        return attached;
    }
    if (!manager.started()) {
        refusal = code::kManagerNotStarted;
        return std::nullopt;
    }
    std::optional<std::string> authid = manager.users().authenticate(nullptr, nullptr);
    if (!authid) {
        refusal = code::kNotAuthorized;
        return std::nullopt;
    }
    Attachment implicit{*authid, manager.attachments().partition(ctx), manager.nextAgentId()};
    manager.attachments().attach(ctx, implicit);
    return implicit;
}

std::string describeStates(const sqlm_recording_group* groups, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += (i == 0 ? "" : ",") + std::to_string(groups[i].input_state);
    }
    return text;
}

// The switch states as a stream: a switch list holding one group per switch.
std::vector<unsigned char> switchStream(const Switches& switches, int count) {
    static const uint16_t kElements[mon::kSwitchCount] = {
        mon::kUowSw,  mon::kStatementSw, mon::kTableSw,    mon::kBufferpoolSw,
        mon::kLockSw, mon::kSortSw,      mon::kTimestampSw};
    MonitorStream stream;
    stream.open(mon::kSwitchList);
    for (int group = 0; group < count; ++group) {
        stream.open(kElements[group]);
        stream.u32(mon::kOutputState, switches[group].on ? mon::kOn : mon::kOff);
        if (switches[group].on) {
            stream.time(mon::kSwitchSetTime, static_cast<uint32_t>(switches[group].setTime), 0);
        }
        stream.close();
    }
    stream.close();
    return stream.bytes();
}

int monitorSwitches(ApiCall& call, db2Uint32 version, void* parms) {
    auto* in = static_cast<db2MonitorSwitchesData*>(parms);
    if (in == nullptr) {
        return call.fail(code::kInvalidParameter, {"pParmStruct"});
    }
    int count = in->iVersion >= SQLM_DBMON_VERSION8 ? mon::kSwitchCount : mon::kSwitchCountPrev8;
    call.ptr("piGroupStates", in->piGroupStates);
    if (in->piGroupStates != nullptr) {
        std::string states = describeStates(in->piGroupStates, count);
        call.text("input_state", states.c_str());
    }
    call.ptr("poBuffer", in->poBuffer).num("iBufferSize", in->iBufferSize);
    call.num("iReturnData", in->iReturnData).num("iVersion", in->iVersion);
    call.num("iNodeNumber", in->iNodeNumber).ptr("poOutputFormat", in->poOutputFormat);
    if (version < kFirstVersion) {
        return call.fail(code::kInvalidParameter, {"versionNumber"});
    }
    if (in->iVersion < 1 || in->iVersion > SQLM_DBMON_VERSION9_5) {
        return call.fail(code::kMonitorInvalidValue, {"iVersion"});
    }
    if (!validPartition(in->iNodeNumber)) {
        return call.fail(code::kMonitorInvalidValue, {"iNodeNumber"});
    }
    if (in->piGroupStates == nullptr || (in->iReturnData != 0 && in->poBuffer == nullptr)) {
        return call.fail(code::kMonitorNullPointer);
    }
    uint32_t states[mon::kSwitchCount];
    for (int group = 0; group < count; ++group) {
        states[group] = in->piGroupStates[group].input_state;
        if (states[group] > SQLM_HOLD) {
            return call.fail(code::kMonitorInvalidValue, {"input_state"});
        }
    }
    const void* ctx = call.instance().contexts().current();
    int refusal = code::kSuccess;
    std::optional<Attachment> attachment = attachmentOf(ctx, refusal);
    if (!attachment) {
        return call.fail(refusal);
    }
    Switches now = MonitorState::get().setSwitches(ctx, attachment->agentId, states, count);
    for (int group = 0; group < count; ++group) {
        in->piGroupStates[group].output_state = now[group].on ? SQLM_ON : SQLM_OFF;
        in->piGroupStates[group].start_time =
            sqlm_timestamp{static_cast<sqluint32>(now[group].setTime), 0};
    }
    if (in->poOutputFormat != nullptr) {
        *in->poOutputFormat = SQLM_STREAM_DYNAMIC_FORMAT;
    }
    if (in->iReturnData != 0) {
        std::vector<unsigned char> stream = switchStream(now, count);
        if (stream.size() > in->iBufferSize) {
            return call.fail(code::kSnapshotBufferFull);
        }
        std::memcpy(in->poBuffer, stream.data(), stream.size());
    }
    return call.succeed();
}

int resetMonitor(ApiCall& call, db2Uint32 version, void* parms) {
    auto* in = static_cast<db2ResetMonitorData*>(parms);
    if (in == nullptr) {
        return call.fail(code::kInvalidParameter, {"pParmStruct"});
    }
    call.num("iResetAll", in->iResetAll).text("piDbAlias", in->piDbAlias);
    call.num("iVersion", in->iVersion).num("iNodeNumber", in->iNodeNumber);
    if (version < kFirstVersion) {
        return call.fail(code::kInvalidParameter, {"versionNumber"});
    }
    if (in->iResetAll > 1 || in->iVersion < 1 || in->iVersion > SQLM_DBMON_VERSION9_5 ||
        !validPartition(in->iNodeNumber)) {
        std::string name = in->iResetAll > 1                  ? "iResetAll"
                           : !validPartition(in->iNodeNumber) ? "iNodeNumber"
                                                              : "iVersion";
        return call.fail(code::kMonitorInvalidValue, {name});
    }
    std::string database;
    if (in->iResetAll == 0) {
        if (in->piDbAlias == nullptr) {
            return call.fail(code::kMonitorNullPointer);
        }
        const Database* found = Manager::get().databases().findByAlias(in->piDbAlias);
        if (found == nullptr) {
            return call.fail(code::kDatabaseNotFound, {in->piDbAlias});
        }
        database = found->name;
    }
    const void* ctx = call.instance().contexts().current();
    int refusal = code::kSuccess;
    std::optional<Attachment> attachment = attachmentOf(ctx, refusal);
    if (!attachment) {
        return call.fail(refusal);
    }
    MonitorState::get().reset(ctx, attachment->agentId, database);
    return call.succeed();
}

// Closes one application's connection; its handle stays allocated, and the application's own
// disconnect then releases it with a warning.
void forceConnection(SQLHDBC handle) {
    Connections& connections = Manager::get().connections();
    auto held = connections.hold();
    if (Connection* dbc = connections.dbc(handle)) {
        dbc->connected = false;
        dbc->forced = true;
        dbc->database.clear();
        dbc->authid.clear();
    }
    InstanceState::get().connectionClosed(handle);
}

std::string describeAgentIds(sqlint32 count, const sqluint32* ids) {
    std::string text;
    for (sqlint32 i = 0; i < count && i < kShownAgentIds; ++i) {
        text += (i == 0 ? "" : ",") + std::to_string(ids[i]);
    }
    return count > kShownAgentIds ? text + ",..." : text;
}

int forceApplications(sqlint32 count, sqluint32* ids, unsigned short mode, sqlca* ca) {
    ApiCall call("sqlefrce_api", ca);
    call.num("NumAgentIds", count).ptr("pAgentIds", ids);
    if (count > 0 && ids != nullptr) {
        std::string shown = describeAgentIds(count, ids);
        call.text("agentIds", shown.c_str());
    }
    call.num("ForceMode", mode);
    if (!call.proceed()) {
        return call.rc();
    }
    if (count < SQL_ALL_USERS || (count > 0 && ids == nullptr)) {
        return call.fail(code::kInvalidParameter,
                         {count < SQL_ALL_USERS ? "NumAgentIds" : "pAgentIds"});
    }
    if (mode != SQL_ASYNCH) {
        return call.fail(code::kInvalidParameter, {"ForceMode"});
    }
    if (!Manager::get().started()) {
        return call.fail(code::kManagerNotStarted);
    }
    // Ids that name no application are passed over: the force is asynchronous and DB2 does not
    // report them.
    long forced = 0;
    for (const OpenConnection& app : InstanceState::get().openConnections()) {
        bool named = count == SQL_ALL_USERS || std::find(ids, ids + std::max<sqlint32>(count, 0),
                                                         static_cast<sqluint32>(app.agentId)) !=
                                                   ids + std::max<sqlint32>(count, 0);
        if (named) {
            forceConnection(app.dbc);
            ++forced;
        }
    }
    if (count == SQL_ALL_USERS) {
        forced += MonitorState::get().idleApplications();
        MonitorState::get().setIdleApplications(0);
    }
    call.num("forced", forced);
    return call.succeed();
}

const VersionedRegistration kGetSnapshot("db2GetSnapshot", &getSnapshot, Access::kRead);
const VersionedRegistration kGetSnapshotSize("db2GetSnapshotSize", &getSnapshotSize, Access::kRead);
const VersionedRegistration kMonitorSwitches("db2MonitorSwitches", &monitorSwitches, Access::kRead);
const VersionedRegistration kResetMonitor("db2ResetMonitor", &resetMonitor, Access::kRead);

}  // namespace
}  // namespace db2sim

DB2SIM_EXPORT int sqlefrce_api(sqlint32 NumAgentIds, sqluint32* pAgentIds, unsigned short ForceMode,
                               sqlca* pSqlca) {
    return db2sim::guarded(
        [&] { return db2sim::forceApplications(NumAgentIds, pAgentIds, ForceMode, pSqlca); });
}
