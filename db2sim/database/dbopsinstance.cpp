// Instance start and stop: db2InstanceStart / db2InstanceStop (version 8 on, registered with
// versioned.cpp) and sqlepstart_api / sqlepstp (the older structures). The instance has one
// partition, 0. A remote start or stop names an instance the state folder knows; only the local
// one has a state here, the others always run. Stop refuses while databases are activated or
// connected unless forced; a forced stop closes every connection.
#include <cstring>
#include <optional>
#include <string>

#include "db2api/db2structs.h"
#include "db2sim/core/apicall.h"
#include "db2sim/database/dbopscodes.h"
#include "db2sim/database/dbopsdatabases.h"
#include "db2sim/directory/directoriescodes.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/instancestate.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/connection/users.h"
#include "db2sim/core/versionedregistry.h"

DB2SIM_CHECK_TYPE(sqlepstart_api);
DB2SIM_CHECK_TYPE(sqlepstp);

namespace db2sim {
namespace {

constexpr db2Uint32 kStopForce = 1;  // DB2's force option; others stop normally

// The parts of a start or stop request the stand-in acts on, from either structure.
struct ManagerRequest {
    bool remote = false;
    std::string remoteInstance;
    bool hasNode = false;
    int node = 0;
    bool profileMissing = false;  // asked for a profile without naming one
    db2Uint32 option = 0;
    const char* user = nullptr;
    const char* password = nullptr;
};

std::string eye(const char* field) {
    return std::string(field, strnlen(field, 8));
}

std::string terminatedText(const char* field, size_t size, bool& ok) {
    size_t length = strnlen(field, size);
    ok = ok && length < size;
    return std::string(field, length);
}

// Which instance a remote request reaches: 1 the local one, 0 another known one, -1 unknown.
int remoteTarget(const std::string& name, const std::string& local) {
    if (upperCase(name) == upperCase(local)) {
        return 1;
    }
    for (const std::string& known : Manager::get().directories().instances(local)) {
        if (upperCase(known) == upperCase(name)) {
            return 0;
        }
    }
    return -1;
}

// Refusal common to start and stop, or 0; `local` says whether the local manager is meant.
int requestRefusal(ApiCall& call, const ManagerRequest& request, bool& local,
                   std::vector<std::string>& tokens) {
    local = true;
    if (request.remote) {
        int target = remoteTarget(request.remoteInstance, call.instance().name());
        if (target < 0) {
            tokens = {request.remoteInstance};
            return code::kInvalidInstanceName;
        }
        local = target == 1;
    }
    if (request.profileMissing) {
        tokens = {"piProfile"};
        return code::kInvalidParameter;
    }
    if (request.hasNode && request.node != 0) {
        tokens = {"iNodeNum"};
        return code::kInvalidParameter;
    }
    if (request.user != nullptr && *request.user != '\0' &&
        !Manager::get().users().authenticate(request.user, request.password)) {
        tokens = {"24", "USERNAME AND/OR PASSWORD INVALID"};
        return code::kSecurityFailed;
    }
    return 0;
}

int start(ApiCall& call, const ManagerRequest& request) {
    bool local = true;
    std::vector<std::string> tokens;
    if (int refusal = requestRefusal(call, request, local, tokens)) {
        return call.fail(refusal, tokens);
    }
    Manager& manager = Manager::get();
    if (local && manager.started()) {
        return warn(call, code::kManagerActive);
    }
    if (local) {
        manager.setStarted(true);
    }
    return call.succeed();
}

int stop(ApiCall& call, const ManagerRequest& request) {
    bool local = true;
    std::vector<std::string> tokens;
    if (int refusal = requestRefusal(call, request, local, tokens)) {
        return call.fail(refusal, tokens);
    }
    if (!local) {
        return call.succeed();
    }
    Manager& manager = Manager::get();
    if (!manager.started()) {
        return call.fail(code::kManagerNotStarted);
    }
    InstanceState& state = InstanceState::get();
    bool busy = state.connectionCount() > 0 || state.activeCount() > 0;
    if (busy && request.option != kStopForce) {
        return call.fail(code::kApplicationsActive);
    }
    for (void* ctx : state.connectedContexts()) {
        manager.connections().contextEnded(ctx);
    }
    state.stopped();
    manager.setStarted(false);
    return call.succeed();
}

void journalCommData(ApiCall& call, const db2DasCommData* comm) {
    call.ptr("piCommData", comm);
    if (comm != nullptr) {
        call.num("iCommParam", comm->iCommParam).text("piNodeOrHostName", comm->piNodeOrHostName);
        call.text("piUserId", comm->piUserId).secret("piUserPw", comm->piUserPw);
    }
}

void journalStartOptions(ApiCall& call, const db2StartOptionsStruct* o) {
    call.ptr("piStartOpts", o);
    if (o == nullptr) {
        return;
    }
    call.num("iIsProfile", o->iIsProfile).text("piProfile", o->piProfile);
    call.num("iIsNodeNum", o->iIsNodeNum).num("iNodeNum", o->iNodeNum);
    call.num("iOption", o->iOption).num("iIsHostName", o->iIsHostName);
    call.text("piHostName", o->piHostName).num("iIsPort", o->iIsPort).num("iPort", o->iPort);
    call.num("iIsNetName", o->iIsNetName).text("piNetName", o->piNetName);
    call.num("iTblspaceType", o->iTblspaceType).num("iTblspaceNode", o->iTblspaceNode);
    call.num("iIsComputer", o->iIsComputer).text("piComputer", o->piComputer);
    call.text("piUserName", o->piUserName).secret("piPassword", o->piPassword);
    call.num("iIsQRequested", o->iQuiesceOpts.iIsQRequested);
}

// The start of a version-8 start or stop: the version and structure checked, the remote fields
// journaled. Null with the call failed and `rc` set when the request cannot be read.
template <class Parms>
const Parms* remoteRequest(ApiCall& call, db2Uint32 version, void* parms, int& rc) {
    if (version < db2Version810 || parms == nullptr) {
        rc = call.fail(code::kInvalidParameter, {parms ? "versionNumber" : "pParmStruct"});
        return nullptr;
    }
    const auto* in = static_cast<const Parms*>(parms);
    call.num("iIsRemote", in->iIsRemote).text("piRemoteInstName", in->piRemoteInstName);
    journalCommData(call, in->piCommData);
    return in;
}

// Reads the remote part of a version-8 request; false when it cannot be used.
bool readRemote(db2int8 isRemote, const char* name, const db2DasCommData* comm,
                ManagerRequest& request, std::vector<std::string>& tokens) {
    request.remote = isRemote != 0;
    if (!request.remote) {
        return true;
    }
    if (name == nullptr || *name == '\0' || comm == nullptr) {
        tokens = {name == nullptr || *name == '\0' ? "piRemoteInstName" : "piCommData"};
        return false;
    }
    request.remoteInstance = name;
    return true;
}

int instanceStart(ApiCall& call, db2Uint32 version, void* parms) {
    int rc = 0;
    const auto* in = remoteRequest<db2InstanceStartStruct>(call, version, parms, rc);
    if (in == nullptr) {
        return rc;
    }
    journalStartOptions(call, in->piStartOpts);
    ManagerRequest request;
    std::vector<std::string> tokens;
    if (!readRemote(in->iIsRemote, in->piRemoteInstName, in->piCommData, request, tokens)) {
        return call.fail(code::kInvalidParameter, tokens);
    }
    if (const db2StartOptionsStruct* o = in->piStartOpts) {
        request.profileMissing = o->iIsProfile != 0 && o->piProfile == nullptr;
        request.hasNode = o->iIsNodeNum != 0;
        request.node = o->iNodeNum;
        request.option = o->iOption;
        request.user = o->piUserName;
        request.password = o->piPassword;
    }
    return start(call, request);
}

int instanceStop(ApiCall& call, db2Uint32 version, void* parms) {
    int rc = 0;
    const auto* in = remoteRequest<db2InstanceStopStruct>(call, version, parms, rc);
    if (in == nullptr) {
        return rc;
    }
    const db2StopOptionsStruct* o = in->piStopOpts;
    call.ptr("piStopOpts", o);
    ManagerRequest request;
    if (o != nullptr) {
        call.num("iIsProfile", o->iIsProfile).text("piProfile", o->piProfile);
        call.num("iIsNodeNum", o->iIsNodeNum).num("iNodeNum", o->iNodeNum);
        call.num("iStopOption", o->iStopOption).num("iCallerac", o->iCallerac);
        request.profileMissing = o->iIsProfile != 0 && o->piProfile == nullptr;
        request.hasNode = o->iIsNodeNum != 0;
        request.node = o->iNodeNum;
        request.option = o->iStopOption;
    }
    std::vector<std::string> tokens;
    if (!readRemote(in->iIsRemote, in->piRemoteInstName, in->piCommData, request, tokens)) {
        return call.fail(code::kInvalidParameter, tokens);
    }
    return stop(call, request);
}

const VersionedRegistration kStart("db2InstanceStart", &instanceStart);
const VersionedRegistration kStop("db2InstanceStop", &instanceStop);

void journalOldStart(ApiCall& call, const sqle_start_options& o) {
    call.text("sqloptid", eye(o.sqloptid).c_str()).num("isprofile", o.isprofile);
    call.text("profile", std::string(o.profile, strnlen(o.profile, sizeof(o.profile))).c_str());
    call.num("isnodenum", o.isnodenum).num("nodenum", o.nodenum).num("option", o.option);
    call.num("ishostname", o.ishostname);
    call.text("hostname", std::string(o.hostname, strnlen(o.hostname, sizeof(o.hostname))).c_str());
    call.num("isport", o.isport).num("port", o.port).num("isnetname", o.isnetname);
    call.text("netname", std::string(o.netname, strnlen(o.netname, sizeof(o.netname))).c_str());
    call.num("tblspace_type", o.tblspace_type).num("tblspace_node", o.tblspace_node);
    call.num("iscomputer", o.iscomputer);
    call.text("computer", std::string(o.computer, strnlen(o.computer, sizeof(o.computer))).c_str());
    call.text("pUserName", o.pUserName).secret("pPassword", o.pPassword);
}

// The field of the older start options DB2 would refuse, or null.
const char* oldStartRefusal(const sqle_start_options& o) {
    if (std::memcmp(o.sqloptid, SQLE_STARTOPTID_V51, SQL_EYECATCHER_SZ) != 0) {
        return "sqloptid";
    }
    bool ok = true;
    terminatedText(o.profile, sizeof(o.profile), ok);
    terminatedText(o.hostname, sizeof(o.hostname), ok);
    terminatedText(o.netname, sizeof(o.netname), ok);
    terminatedText(o.computer, sizeof(o.computer), ok);
    return ok ? nullptr : "pStartOptions";
}

int oldStart(void* options, sqlca* ca) {
    ApiCall call("sqlepstart_api", ca);
    call.ptr("pStartOptions", options);
    const auto* o = static_cast<const sqle_start_options*>(options);
    if (o != nullptr) {
        journalOldStart(call, *o);
    }
    if (!call.proceed()) {
        return call.rc();
    }
    ManagerRequest request;
    if (o != nullptr) {
        if (const char* field = oldStartRefusal(*o)) {
            return call.fail(code::kInvalidParameter, {field});
        }
        request.hasNode = o->isnodenum != 0;
        request.node = o->nodenum;
        request.option = o->option;
        request.user = o->pUserName;
        request.password = o->pPassword;
    }
    return start(call, request);
}

int oldStop(void* options, sqlca* ca) {
    ApiCall call("sqlepstp", ca);
    call.ptr("pStopOptions", options);
    const auto* o = static_cast<const sqledbstopopt*>(options);
    if (o != nullptr) {
        call.num("isprofile", o->isprofile);
        call.text("profile",
                  std::string(o->profile, strnlen(o->profile, sizeof(o->profile))).c_str());
        call.num("isnodenum", o->isnodenum).num("nodenum", o->nodenum);
        call.num("option", o->option).num("callerac", o->callerac);
    }
    if (!call.proceed()) {
        return call.rc();
    }
    ManagerRequest request;
    if (o != nullptr) {
        bool ok = true;
        terminatedText(o->profile, sizeof(o->profile), ok);
        if (!ok) {
            return call.fail(code::kInvalidParameter, {"profile"});
        }
        request.hasNode = o->isnodenum != 0;
        request.node = o->nodenum;
        request.option = o->option;
    }
    return stop(call, request);
}

}  // namespace
}  // namespace db2sim

using db2sim::guarded;

DB2SIM_EXPORT int sqlepstart_api(void* pStartOptions, sqlca* pSqlca) {
    return guarded([&] { return db2sim::oldStart(pStartOptions, pSqlca); });
}

DB2SIM_EXPORT int sqlepstp(void* pStopOptions, sqlca* pSqlca) {
    return guarded([&] { return db2sim::oldStop(pStopOptions, pSqlca); });
}
