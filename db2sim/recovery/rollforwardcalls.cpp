// db2Rollforward: moves a database restored pending a rollforward on to the end of its logs or
// a point in time, stops (completes) or cancels it, or reports where it stands. The status goes
// to the caller's array, one entry for partition 0 when the request includes it and the array
// has room; texts are written within their fields.
#include <cstring>
#include <string>

#include "db2api/db2structs.h"
#include "db2sim/core/apicall.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/core/versionedregistry.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/recovery/historystore.h"
#include "db2sim/recovery/recoverycodes.h"
#include "db2sim/recovery/recoverydatabase.h"
#include "db2sim/recovery/recoveryjournal.h"
#include "db2sim/recovery/recoverystate.h"
#include "db2sim/recovery/recoverytime.h"

namespace db2sim {
namespace {

constexpr size_t kStopTimeLength = 26;

void journal(ApiCall& call, const db2RfwdInputStruct& in) {
    call.num("iVersion", in.iVersion).text("piDbAlias", in.piDbAlias);
    call.num("iCallerAction", in.iCallerAction).text("piStopTime", in.piStopTime);
    call.text("piUserName", in.piUserName).secret("piPassword", in.piPassword);
    call.text("piOverflowLogPath", in.piOverflowLogPath);
    call.num("iNumChngLgOvrflw", in.iNumChngLgOvrflw).num("iConnectMode", in.iConnectMode);
    call.text("piTablespaceList", RecoveryJournal::tablespaces(in.piTablespaceList).c_str());
    call.num("iAllNodeFlag", in.iAllNodeFlag).num("iNumNodes", in.iNumNodes);
    call.text("piNodeList",
              RecoveryJournal::nodes(in.piNodeList, in.iNumNodes > 0 ? in.iNumNodes : 0).c_str());
    call.num("iNumNodeInfo", in.iNumNodeInfo).num("iRollforwardFlags", in.iRollforwardFlags);
}

// Whether partition 0, the instance's only one, is among those asked for.
bool includesPartitionZero(const db2RfwdInputStruct& in, bool& valid) {
    valid = true;
    bool listed = false;
    if (in.iNumNodes < 0 || (in.iNumNodes > 0 && in.piNodeList == nullptr)) {
        valid = false;
        return false;
    }
    for (db2int32 i = 0; i < in.iNumNodes && i < 1000; ++i) {
        listed = listed || in.piNodeList[i] == 0;
    }
    switch (in.iAllNodeFlag) {
        case SQLURF_NODE_LIST:
            return listed;
        case SQLURF_ALL_NODES:
        case SQLURF_CAT_NODE_ONLY:
            return true;
        case SQLURF_ALL_EXCEPT:
            return !listed;
        default:
            valid = false;
            return false;
    }
}

// "yyyy-mm-dd-hh.mm.ss[.nnnnnn]" as yyyymmddhhmmss; empty when malformed.
std::string stopStamp(const char* text) {
    std::string time = readParameter(text, kStopTimeLength);
    if (time == SQLUM_INFINITY_TIMESTAMP) {
        return "99991231235959";
    }
    if (time.size() < 19 || time.size() > kStopTimeLength || time[4] != '-' || time[7] != '-' ||
        time[10] != '-' || time[13] != '.' || time[16] != '.') {
        return std::string();
    }
    std::string stamp = time.substr(0, 4) + time.substr(5, 2) + time.substr(8, 2) +
                        time.substr(11, 2) + time.substr(14, 2) + time.substr(17, 2);
    return RecoveryTime::valid(stamp) ? stamp : std::string();
}

void putText(unsigned char* field, size_t size, const std::string& text) {
    putTerminated(reinterpret_cast<char*>(field), size, text);
}

sqlint32 stateOf(int pending, const RecoveryState& state) {
    if (pending == 0) {
        return SQLURFQ_NOT_RFW_PENDING;
    }
    if (pending == 2) {
        return state.inProgress ? SQLURFQ_TBL_RFW_IN_PROGRESS : SQLURFQ_TBL_RFW_PENDING;
    }
    return state.inProgress ? SQLURFQ_DB_RFW_IN_PROGRESS : SQLURFQ_DB_RFW_PENDING;
}

void report(const db2RfwdInputStruct& in, db2RfwdOutputStruct* out, bool partitionZero,
            sqlint32 status, const RecoveryState& state) {
    if (out == nullptr) {
        return;
    }
    out->oRollforwardFlags = in.iRollforwardFlags & DB2ROLLFORWARD_LOCAL_TIME;
    if (out->poApplicationId != nullptr) {
        putTerminated(out->poApplicationId, SQLU_APPLID_LEN + 1,
                      RecoveryDatabase::applicationId(RecoveryTime::now()));
    }
    bool room = partitionZero && in.iNumNodeInfo >= 1 && out->poNodeInfo != nullptr;
    if (out->poNumReplies != nullptr) {
        *out->poNumReplies = room ? 1 : 0;
    }
    if (!room) {
        return;
    }
    sqlurf_info& info = out->poNodeInfo[0];
    std::memset(&info, 0, sizeof(info));
    info.nodenum = 0;
    info.state = status;
    bool replayed = state.currentLog > state.imageLog;
    putText(info.nextarclog, sizeof(info.nextarclog), RecoveryState::logName(state.currentLog));
    putText(info.firstarcdel, sizeof(info.firstarcdel),
            replayed ? RecoveryState::logName(state.imageLog) : "");
    putText(info.lastarcdel, sizeof(info.lastarcdel),
            replayed ? RecoveryState::logName(state.currentLog - 1) : "");
    putText(info.lastcommit, sizeof(info.lastcommit), RecoveryTime::iso(state.lastCommit));
}

void recordRollforward(const std::string& name, const std::string& stop,
                       const RecoveryState& state) {
    HistoryEntry entry;
    entry.operation = history::kRollforward;
    entry.optype = stop == "99991231235959" ? 'E' : 'P';
    entry.firstLog = RecoveryState::logName(state.imageLog);
    entry.lastLog = RecoveryState::logName(state.currentLog);
    entry.commandText = "ROLLFORWARD DATABASE " + name;
    HistoryStore::add(Instance::get().home(), name, std::move(entry));
}

// Applies the action to the database; 0 or the refusal.
int act(const db2RfwdInputStruct& in, const std::string& name, int& pending, RecoveryState& state) {
    db2Uint32 action = in.iCallerAction;
    if (action == DB2ROLLFORWARD_QUERY) {
        return 0;
    }
    if (pending == 0) {
        return code::kRollforwardNotPending;
    }
    if (action == DB2ROLLFORWARD_CANCEL) {
        state.inProgress = false;
        return 0;
    }
    std::string stop = action == DB2ROLLFORWARD_STOP ? "99991231235959" : stopStamp(in.piStopTime);
    if (stop.empty() || stop < state.imageTime) {
        return code::kBadStopTime;
    }
    state.lastCommit = stop == "99991231235959" ? RecoveryTime::now() : stop;
    state.inProgress = action == DB2ROLLFORWARD_RFWD;
    if (action == DB2ROLLFORWARD_STOP || action == DB2ROLLFORWARD_RFWD_STOP) {
        recordRollforward(name, stop, state);
        state.imageTime.clear();
        pending = 0;
        RecoveryDatabase::setRollforwardPending(name, 0);
    }
    return 0;
}

bool knownAction(db2Uint32 action) {
    return action == DB2ROLLFORWARD_RFWD || action == DB2ROLLFORWARD_STOP ||
           action == DB2ROLLFORWARD_RFWD_STOP || action == DB2ROLLFORWARD_QUERY ||
           action == DB2ROLLFORWARD_CANCEL;
}

int rollforward(ApiCall& call, db2Uint32 version, void* parms) {
    auto* r = static_cast<db2RollforwardStruct*>(parms);
    if (version < db2Version810 || r == nullptr || r->piRfwdInput == nullptr) {
        return call.fail(code::kInvalidParameter,
                         {version < db2Version810 ? "versionNumber" : "pParmStruct"});
    }
    const db2RfwdInputStruct& in = *r->piRfwdInput;
    journal(call, in);
    bool valid = true;
    bool partitionZero = includesPartitionZero(in, valid);
    if (!valid || !knownAction(in.iCallerAction)) {
        return call.fail(code::kInvalidParameter, {valid ? "iCallerAction" : "iAllNodeFlag"});
    }
    RecoveryRefusal refusal;
    Database* database =
        RecoveryDatabase::find(in.piDbAlias, in.piUserName, in.piPassword, refusal);
    if (database == nullptr) {
        return call.fail(refusal.sqlcode, refusal.tokens);
    }
    const std::string name = database->name;
    if (in.iCallerAction != DB2ROLLFORWARD_QUERY && RecoveryDatabase::inUse(name)) {
        return call.fail(code::kDatabaseInUse, {database->alias});
    }
    StateHome& home = call.instance().home();
    RecoveryState state = RecoveryState::load(home, name);
    int pending = RecoveryDatabase::rollforwardPending(name);
    if (int refused = act(in, name, pending, state)) {
        return call.fail(refused, {database->alias});
    }
    state.save(home, name);
    report(in, r->poRfwdOutput, partitionZero, stateOf(pending, state), state);
    return call.succeed();
}

const VersionedRegistration kRollforward("db2Rollforward", &rollforward);

}  // namespace
}  // namespace db2sim
