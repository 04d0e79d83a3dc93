// Partition commands on a single-partition instance: sqleaddn_api (there is no free partition
// to add), sqledrpn_api (verify: partition 0 holds every database), sqludrdt_api (one partition
// has nothing to move, so a valid request succeeds without changing anything).
#include <cstring>
#include <string>

#include "db2api/db2structs.h"
#include "db2sim/core/apicall.h"
#include "db2sim/database/dbopscodes.h"
#include "db2sim/database/dbopsdatabases.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/instance.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/connection/users.h"

DB2SIM_CHECK_TYPE(sqleaddn_api);
DB2SIM_CHECK_TYPE(sqledrpn_api);
DB2SIM_CHECK_TYPE(sqludrdt_api);

namespace db2sim {
namespace {

constexpr const char* kNoFreePartition = "1";
constexpr const char* kGroups[] = {"IBMDEFAULTGROUP", "IBMCATGROUP", "IBMTEMPGROUP"};
constexpr size_t kMaxGroupRead = 128;

int addNode(void* optionsArg, sqlca* ca) {
    ApiCall call("sqleaddn_api", ca);
    call.ptr("pAddNodeOptions", optionsArg);
    const auto* options = static_cast<const sqle_addn_options*>(optionsArg);
    if (options != nullptr) {
        call.text("sqladdid", std::string(options->sqladdid, SQL_EYECATCHER_SZ).c_str());
        call.num("tblspace_type", options->tblspace_type);
        call.num("tblspace_node", options->tblspace_node);
    }
    if (!call.proceed()) {
        return call.rc();
    }
    if (options != nullptr) {
        if (std::memcmp(options->sqladdid, SQLE_ADDOPTID_V51, SQL_EYECATCHER_SZ) != 0) {
            return call.fail(code::kInvalidParameter, {"sqladdid"});
        }
        if (options->tblspace_type > SQLE_TABLESPACES_LIKE_CATALOG) {
            return call.fail(code::kInvalidParameter, {"tblspace_type"});
        }
    }
    return call.fail(code::kAddPartitionFailed, {kNoFreePartition});
}

int dropNodeVerify(unsigned short action, void* reserved, sqlca* ca) {
    ApiCall call("sqledrpn_api", ca);
    call.num("Action", action).ptr("pReserved", reserved);
    if (!call.proceed()) {
        return call.rc();
    }
    if (action != SQL_DROPNODE_VERIFY) {
        return call.fail(code::kInvalidParameter, {"Action"});
    }
    const auto& databases = Manager::get().databases().all();
    if (databases.empty()) {
        return warn(call, code::kPartitionUnused);
    }
    return warn(call, code::kPartitionInUse, {databases.front().name});
}

bool knownOption(unsigned char option) {
    return option == SQLUD_UNIFORM || option == SQLUD_TARGETMAP || option == SQLUD_CONTINUE ||
           option == SQLUD_ROLLBACK;
}

// The argument DB2 would refuse, or null.
const char* redistributeRefusal(const char* group, const char* targetMap, unsigned short addCount,
                                unsigned short dropCount, unsigned char option) {
    if (group == nullptr || *group == '\0') {
        return "pNodeGroupName";
    }
    if (!knownOption(option)) {
        return "DataRedistOption";
    }
    if (option == SQLUD_TARGETMAP && (targetMap == nullptr || *targetMap == '\0')) {
        return "pTargetPMapFileName";
    }
    // Partition 0 is the only one: nothing can be added to or dropped from a group.
    if (addCount > 0) {
        return "pAddList";
    }
    return dropCount > 0 ? "pDropList" : nullptr;
}

bool knownGroup(const std::string& group) {
    for (const char* known : kGroups) {
        if (upperCase(group) == known) {
            return true;
        }
    }
    return false;
}

int redistribute(char* group, char* targetMap, char* distFile, SQL_PDB_NODE_TYPE* addList,
                 unsigned short addCount, SQL_PDB_NODE_TYPE* dropList, unsigned short dropCount,
                 unsigned char option, sqlca* ca) {
    ApiCall call("sqludrdt_api", ca);
    call.text("pNodeGroupName", group).text("pTargetPMapFileName", targetMap);
    call.text("pDataDistFileName", distFile);
    call.ptr("pAddList", addList).num("AddCount", addCount);
    call.ptr("pDropList", dropList).num("DropCount", dropCount);
    call.num("DataRedistOption", option);
    if (!call.proceed()) {
        return call.rc();
    }
    if (!callerConnected(call)) {
        return call.fail(code::kNoConnection);
    }
    if (const char* field = redistributeRefusal(group, targetMap, addCount, dropCount, option)) {
        return call.fail(code::kInvalidParameter, {field});
    }
    std::string name = readParameter(group, kMaxGroupRead);
    if (!knownGroup(name)) {
        return call.fail(code::kUndefinedName, {name});
    }
    return call.succeed();
}

}  // namespace
}  // namespace db2sim

using db2sim::guarded;

DB2SIM_EXPORT int sqleaddn_api(void* pAddNodeOptions, sqlca* pSqlca) {
    return guarded([&] { return db2sim::addNode(pAddNodeOptions, pSqlca); });
}

DB2SIM_EXPORT int sqledrpn_api(unsigned short Action, void* pReserved, sqlca* pSqlca) {
    return guarded([&] { return db2sim::dropNodeVerify(Action, pReserved, pSqlca); });
}

DB2SIM_EXPORT int sqludrdt_api(char* pNodeGroupName, char* pTargetPMapFileName,
                               char* pDataDistFileName, SQL_PDB_NODE_TYPE* pAddList,
                               unsigned short AddCount, SQL_PDB_NODE_TYPE* pDropList,
                               unsigned short DropCount, unsigned char DataRedistOption,
                               sqlca* pSqlca) {
    return guarded([&] {
        return db2sim::redistribute(pNodeGroupName, pTargetPMapFileName, pDataDistFileName,
                                    pAddList, AddCount, pDropList, DropCount, DataRedistOption,
                                    pSqlca);
    });
}
