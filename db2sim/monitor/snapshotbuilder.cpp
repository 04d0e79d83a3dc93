#include "db2sim/monitor/snapshotbuilder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "db2sim/connection/users.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/monitor/monitorcodes.h"
#include "db2sim/monitor/monitorelements.h"
#include "db2sim/monitor/tablespacecatalog.h"

namespace db2sim {
namespace {

constexpr size_t kNameWidth = 8;
constexpr size_t kApplIdWidth = 32;
constexpr size_t kAuthidWidth = 30;
constexpr uint32_t kCodepage = 1208;
constexpr const char* kIdleDatabase = "SAMPLE";
constexpr const char* kDefaultBufferpool = "IBMDEFAULTBP";

// Buffer pool reads a connection costs: the catalog pages it reads.
constexpr uint32_t kDataLogicalReadsPerConnect = 40;
constexpr uint32_t kDataPhysicalReadsPerConnect = 8;
constexpr uint32_t kIndexLogicalReadsPerConnect = 24;
constexpr uint32_t kIndexPhysicalReadsPerConnect = 4;

const uint16_t kSwitchElements[mon::kSwitchCount] = {
    mon::kUowSw,  mon::kStatementSw, mon::kTableSw,    mon::kBufferpoolSw,
    mon::kLockSw, mon::kSortSw,      mon::kTimestampSw};

int32_t timeZoneDisplacement() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<int32_t>(local.tm_gmtoff);
}

// The stream version a server of the product signature ("SQL09074") speaks.
uint32_t serverVersion(const std::string& product) {
    int major = product.size() >= 5 ? std::atoi(product.substr(3, 2).c_str()) : 9;
    int minor = product.size() >= 7 ? std::atoi(product.substr(5, 2).c_str()) : 0;
    if (major <= 7) {
        return SQLM_DBMON_VERSION7;
    }
    if (major == 8) {
        return SQLM_DBMON_VERSION8;
    }
    return major == 9 && minor < 5 ? SQLM_DBMON_VERSION9 : SQLM_DBMON_VERSION9_5;
}

// Copies `text` into a fixed field already zeroed, cut at its width.
template <size_t N>
void putField(char (&field)[N], const std::string& text) {
    std::memcpy(field, text.data(), std::min(text.size(), N));
}

bool terminated(const char* field, size_t width) {
    return std::memchr(field, '\0', width) != nullptr;
}

}  // namespace

std::string applicationId(const std::string& instance, long agentId) {
    std::string number = std::to_string(agentId);
    return "*LOCAL." + instance + "." +
           std::string(number.size() < 12 ? 12 - number.size() : 0, '0') + number;
}

SnapshotBuilder::SnapshotBuilder(const void* ctx, uint32_t version, const StateHome& home)
    : ctx_(ctx),
      version_(version),
      home_(home),
      switches_(MonitorState::get().switches(ctx)),
      connections_(InstanceState::get().openConnections()) {
    openCollected();
}

void SnapshotBuilder::openCollected() {
    Instance& instance = Instance::get();
    std::string name = upperCase(instance.name());
    stream_.open(mon::kCollected);
    stream_.u32(mon::kServerDb2Type, mon::kServerTypeServer);
    stream_.text(mon::kServerPrdid, instance.product(), SQLM_IDENT_SZ);
    stream_.text(mon::kServerNname, name, SQLM_IDENT_SZ);
    stream_.text(mon::kServerInstanceName, name, SQLM_IDENT_SZ);
    stream_.u16(mon::kNodeNumber, 0);
    stream_.s32(mon::kTimeZoneDisp, timeZoneDisplacement());
    stream_.u32(mon::kServerVersion, serverVersion(instance.product()));
    stream_.time(mon::kTimeStamp, static_cast<uint32_t>(std::time(nullptr)), 0);
}

int SnapshotBuilder::add(const sqlm_obj_struct& item) {
    Target target;
    switch (item.obj_type) {
        case mon::kRequestDb2:
            addDb2();
            return code::kSuccess;
        case mon::kRequestDbaseAll:
            for (const Target& each : activeDatabases()) {
                addDatabase(each);
            }
            return code::kSuccess;
        case mon::kRequestApplAll:
            addApplications("", 0, "");
            return code::kSuccess;
        case mon::kRequestAgentId:
            addApplications("", static_cast<long>(item.agent_id), "");
            return code::kSuccess;
        case mon::kRequestBufferpoolsAll:
            for (const Target& each : activeDatabases()) {
                addBufferpool(each);
            }
            return code::kSuccess;
        case mon::kRequestApplId:
            if (!terminated(item.object, sizeof(item.object))) {
                return code::kMonitorNotTerminated;
            }
            if (item.object[0] == '\0') {
                return code::kMonitorNotSpecified;
            }
            addApplications("", 0, item.object);
            return code::kSuccess;
        default:
            break;
    }
    if (int refusal = database(item, target)) {
        return refusal;
    }
    if (!active(target.name)) {
        return code::kSuccess;
    }
    switch (item.obj_type) {
        case mon::kRequestDbase:
            addDatabase(target);
            break;
        case mon::kRequestDbaseAppls:
            addApplications(target.name, 0, "");
            break;
        case mon::kRequestDbaseLocks:
            addLocks(target);
            break;
        case mon::kRequestDbaseTablespaces:
            addTablespaces(target);
            break;
        case mon::kRequestDbaseBufferpools:
            addBufferpool(target);
            break;
        default:
            return code::kMonitorInvalidType;
    }
    return code::kSuccess;
}

int SnapshotBuilder::database(const sqlm_obj_struct& item, Target& target) const {
    switch (item.obj_type) {
        case mon::kRequestDbase:
        case mon::kRequestDbaseAppls:
        case mon::kRequestDbaseLocks:
        case mon::kRequestDbaseTablespaces:
        case mon::kRequestDbaseBufferpools:
            break;
        default:
            return code::kMonitorInvalidType;
    }
    if (!terminated(item.object, sizeof(item.object))) {
        return code::kMonitorNotTerminated;
    }
    if (item.object[0] == '\0') {
        return code::kMonitorNotSpecified;
    }
    const Database* found = Manager::get().databases().findByAlias(item.object);
    if (found == nullptr) {
        return code::kDatabaseNotFound;
    }
    target = Target{upperCase(found->name), upperCase(found->alias)};
    return code::kSuccess;
}

bool SnapshotBuilder::active(const std::string& name) const {
    if (InstanceState::get().isActive(name)) {
        return true;
    }
    for (const OpenConnection& app : connections_) {
        if (app.database == name) {
            return true;
        }
    }
    return name == kIdleDatabase && MonitorState::get().idleApplications() > 0;
}

std::vector<SnapshotBuilder::Target> SnapshotBuilder::activeDatabases() const {
    std::vector<Target> targets;
    for (const Database& each : Manager::get().databases().all()) {
        std::string name = upperCase(each.name);
        if (active(name)) {
            targets.push_back(Target{name, upperCase(each.alias)});
        }
    }
    return targets;
}

void SnapshotBuilder::addDb2() {
    Manager& manager = Manager::get();
    InstanceState& state = InstanceState::get();
    bool quiesced = state.isInstanceQuiesced(Instance::get().name());
    std::time_t start = MonitorState::get().startTime();
    uint32_t databases = static_cast<uint32_t>(activeDatabases().size());
    uint32_t agents = static_cast<uint32_t>(manager.attachments().count()) +
                      static_cast<uint32_t>(connections_.size());
    stream_.open(mon::kDb2);
    stream_.u32(mon::kDb2Status, quiesced ? mon::kDb2Quiesced : mon::kDb2Active);
    stream_.time(mon::kDb2startTime, static_cast<uint32_t>(start), 0);
    stream_.u32(mon::kLocalCons, static_cast<uint32_t>(connections_.size()));
    stream_.u32(mon::kConLocalDbases, databases);
    stream_.u32(mon::kAgentsRegistered, agents);
    addSwitchList();
    stream_.close();
    ++groups_;
    db2_ = true;
}

void SnapshotBuilder::addSwitchList() {
    int count = version_ >= SQLM_DBMON_VERSION8 ? mon::kSwitchCount : mon::kSwitchCountPrev8;
    stream_.open(mon::kSwitchList);
    for (int group = 0; group < count; ++group) {
        stream_.open(kSwitchElements[group]);
        stream_.u32(mon::kOutputState, switches_[group].on ? mon::kOn : mon::kOff);
        if (switches_[group].on) {
            stream_.time(mon::kSwitchSetTime, static_cast<uint32_t>(switches_[group].setTime), 0);
        }
        stream_.close();
    }
    stream_.close();
}

void SnapshotBuilder::addDatabase(const Target& target) {
    DatabaseCounters counters = MonitorState::get().counters(ctx_, target.name);
    uint32_t current = 0;
    for (const OpenConnection& app : connections_) {
        current += app.database == target.name ? 1 : 0;
    }
    bool quiesced = InstanceState::get().isQuiesced(target.name);
    uint32_t cons = static_cast<uint32_t>(counters.totalCons);
    stream_.open(mon::kDbase);
    stream_.text(mon::kDbName, target.name, kNameWidth);
    stream_.text(mon::kInputDbAlias, target.alias, kNameWidth);
    stream_.text(mon::kDbPath, home_.path() + "/NODE0000/" + target.name + "/", 256);
    stream_.u32(mon::kDbStatus, quiesced ? mon::kDbQuiesced : mon::kDbActive);
    if (counters.lastReset != 0) {
        stream_.time(mon::kLastReset, static_cast<uint32_t>(counters.lastReset), 0);
    }
    stream_.u32(mon::kTotalCons, cons);
    stream_.u32(mon::kApplsCurCons, current);
    stream_.u32(mon::kLocksHeld, current);
    if (switches_[mon::kSwitchLock].on) {
        stream_.u32(mon::kLockWaits, 0).u32(mon::kDeadlocks, 0);
    }
    if (switches_[mon::kSwitchSort].on) {
        stream_.u32(mon::kTotalSorts, 0).u32(mon::kSortOverflows, 0);
    }
    if (switches_[mon::kSwitchBufferpool].on) {
        stream_.u32(mon::kPoolDataLReads, cons * kDataLogicalReadsPerConnect);
        stream_.u32(mon::kPoolDataPReads, cons * kDataPhysicalReadsPerConnect);
        stream_.u32(mon::kPoolIndexLReads, cons * kIndexLogicalReadsPerConnect);
        stream_.u32(mon::kPoolIndexPReads, cons * kIndexPhysicalReadsPerConnect);
    }
    stream_.close();
    ++groups_;
    ++databases_;
}

void SnapshotBuilder::addApplication(const OpenConnection& app) {
    std::string instance = upperCase(Instance::get().name());
    stream_.open(mon::kAppl);
    stream_.open(SQLM_ELM_APPL_INFO);
    stream_.u32(mon::kAgentId, static_cast<uint32_t>(app.agentId));
    stream_.u32(mon::kApplStatus, mon::kApplUowWait);
    stream_.u32(mon::kCodepageId, kCodepage);
    stream_.text(mon::kApplName, program_invocation_short_name, SQLM_IDENT_SZ);
    stream_.text(mon::kApplId, applicationId(instance, app.agentId), kApplIdWidth);
    stream_.text(mon::kSequenceNo, "0001", SQLXA_SEQ_SZ);
    stream_.text(mon::kAuthId, app.authid, kAuthidWidth);
    stream_.text(mon::kClientNname, instance, SQLM_IDENT_SZ);
    stream_.text(mon::kDbName, app.database, kNameWidth);
    stream_.text(mon::kInputDbAlias, app.database, kNameWidth);
    stream_.u32(mon::kClientPlatform, mon::kPlatformLinuxX8664);
    stream_.u32(mon::kClientProtocol, mon::kProtocolLocal);
    stream_.close();
    stream_.time(mon::kApplConTime, static_cast<uint32_t>(app.since), 0);
    stream_.u32(mon::kLocksHeld, 1);
    stream_.close();
    ++groups_;
    ++applications_;
}

void SnapshotBuilder::addApplications(const std::string& database, long agentId,
                                      const std::string& applId) {
    std::string instance = upperCase(Instance::get().name());
    for (const OpenConnection& app : connections_) {
        bool wanted = (database.empty() || app.database == database) &&
                      (agentId == 0 || app.agentId == agentId) &&
                      (applId.empty() || applicationId(instance, app.agentId) == applId);
        if (wanted) {
            addApplication(app);
        }
    }
    if (agentId == 0 && applId.empty() && (database.empty() || database == kIdleDatabase)) {
        addIdleApplications(kIdleDatabase);
    }
}

void SnapshotBuilder::addIdleApplications(const std::string& database) {
    long count = MonitorState::get().idleApplications();
    std::string authid = upperCase(Instance::get().name());
    std::time_t since = MonitorState::get().startTime();
    for (long i = 0; i < count; ++i) {
        // Agent ids of idle applications sit above every real one.
        addApplication(OpenConnection{0, nullptr, database, authid, 0x40000000L + i, since});
    }
}

void SnapshotBuilder::addLocks(const Target& target) {
    std::string instance = upperCase(Instance::get().name());
    uint32_t held = 0;
    for (const OpenConnection& app : connections_) {
        held += app.database == target.name ? 1 : 0;
    }
    stream_.open(mon::kDbLockList);
    stream_.text(mon::kDbName, target.name, kNameWidth);
    stream_.text(mon::kInputDbAlias, target.alias, kNameWidth);
    stream_.u32(mon::kLocksHeld, held);
    stream_.u32(mon::kApplsCurCons, held);
    for (const OpenConnection& app : connections_) {
        if (app.database != target.name) {
            continue;
        }
        stream_.open(SQLM_ELM_APPL_LOCK_LIST);
        stream_.u32(mon::kAgentId, static_cast<uint32_t>(app.agentId));
        stream_.text(mon::kApplId, applicationId(instance, app.agentId), kApplIdWidth);
        stream_.text(mon::kAuthId, app.authid, kAuthidWidth);
        stream_.u32(mon::kLocksHeld, 1);
        // Every connection holds the share lock on its database's plan.
        stream_.open(mon::kLock);
        stream_.u32(mon::kLockObjectType, mon::kLockInternalPlan);
        stream_.u32(mon::kLockMode, mon::kLockModeShare);
        stream_.u32(mon::kLockStatus, mon::kLockGranted);
        stream_.u32(mon::kLockCount, 1);
        stream_.close();
        stream_.close();
    }
    stream_.close();
    ++groups_;
}

void SnapshotBuilder::addTablespaces(const Target& target) {
    std::vector<TablespaceInfo> all = TablespaceCatalog::read(home_, target.name);
    stream_.open(mon::kTablespaceList);
    stream_.text(mon::kDbName, target.name, kNameWidth);
    stream_.text(mon::kInputDbAlias, target.alias, kNameWidth);
    for (const TablespaceInfo& ts : all) {
        uint32_t content = (ts.flags & SQLB_TBS_CONTENT_MASK) == SQLB_TBS_SYSTMP
                               ? mon::kContentSysTemp
                               : mon::kContentAny;
        stream_.open(mon::kTablespace);
        stream_.text(mon::kTablespaceName, ts.name, SQLB_MAX_TBS_NAME_SZ);
        stream_.u32(mon::kTablespaceId, ts.id);
        stream_.u32(mon::kTablespaceType, ts.sms() ? mon::kTablespaceSms : mon::kTablespaceDms);
        stream_.u32(mon::kTablespaceContentType, content);
        stream_.u32(mon::kTablespaceState, SQLB_NORMAL);
        stream_.u32(mon::kTablespacePageSize, ts.pageSize);
        stream_.u32(mon::kTablespaceExtentSize, ts.extentSize);
        stream_.u32(mon::kTablespacePrefetchSize, ts.prefetchSize);
        stream_.u64(mon::kTablespaceTotalPages, ts.totalPages);
        stream_.u64(mon::kTablespaceUsablePages, ts.useablePages);
        stream_.u64(mon::kTablespaceUsedPages, ts.usedPages);
        stream_.u64(mon::kTablespaceFreePages, ts.freePages);
        stream_.u32(mon::kTablespaceNumContainers, static_cast<uint32_t>(ts.containers.size()));
        for (const ContainerInfo& c : ts.containers) {
            stream_.open(mon::kTablespaceContainer);
            stream_.u32(mon::kContainerId, c.id);
            stream_.text(mon::kContainerName, c.name, SQLB_MAX_CONTAIN_NAME_SZ);
            stream_.u32(mon::kContainerType, c.type);
            stream_.u64(mon::kContainerTotalPages, c.totalPages);
            stream_.u64(mon::kContainerUsablePages, c.useablePages);
            stream_.u32(mon::kContainerAccessible, 1);
            stream_.close();
        }
        stream_.close();
    }
    stream_.close();
    ++groups_;
}

void SnapshotBuilder::addBufferpool(const Target& target) {
    DatabaseCounters counters = MonitorState::get().counters(ctx_, target.name);
    uint32_t cons = static_cast<uint32_t>(counters.totalCons);
    stream_.open(mon::kBufferpool);
    stream_.text(mon::kBpName, kDefaultBufferpool, SQLM_IDENT_SZ);
    stream_.text(mon::kDbName, target.name, kNameWidth);
    stream_.text(mon::kInputDbAlias, target.alias, kNameWidth);
    if (switches_[mon::kSwitchBufferpool].on) {
        stream_.u32(mon::kPoolDataLReads, cons * kDataLogicalReadsPerConnect);
        stream_.u32(mon::kPoolDataPReads, cons * kDataPhysicalReadsPerConnect);
        stream_.u32(mon::kPoolIndexLReads, cons * kIndexLogicalReadsPerConnect);
        stream_.u32(mon::kPoolIndexPReads, cons * kIndexPhysicalReadsPerConnect);
        stream_.u32(mon::kPoolDataWrites, 0);
    }
    stream_.close();
    ++groups_;
}

const std::vector<unsigned char>& SnapshotBuilder::finish() {
    if (!stream_.complete()) {
        stream_.close();
    }
    return stream_.bytes();
}

void SnapshotBuilder::summarize(sqlm_collected& collected) const {
    Instance& instance = Instance::get();
    std::string name = upperCase(instance.name());
    std::memset(&collected, 0, sizeof(collected));
    collected.size = sizeof(collected);
    collected.db2 = db2_ ? 1 : 0;
    collected.databases = databases_;
    collected.applications = applications_;
    collected.server_db2_type = mon::kServerTypeServer;
    collected.time_stamp.seconds = static_cast<sqluint32>(std::time(nullptr));
    for (int group = 0; group < mon::kSwitchCount; ++group) {
        collected.group_states[group].output_state = switches_[group].on ? SQLM_ON : SQLM_OFF;
        collected.group_states[group].start_time.seconds =
            static_cast<sqluint32>(switches_[group].setTime);
    }
    putField(collected.server_prdid, instance.product());
    putField(collected.server_nname, name);
    putField(collected.server_instance_name, name);
    collected.time_zone_disp = timeZoneDisplacement();
    collected.num_top_level_structs = groups_;
    collected.server_version = serverVersion(instance.product());
}

}  // namespace db2sim
