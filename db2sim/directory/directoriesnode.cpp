// The node directory's entry points: sqlectnd_api, sqleuncn_api, sqlenops_api, sqlengne_api and
// sqlencls_api.
#include <string>

#include "db2sim/core/apicall.h"
#include "db2sim/directory/directoriescodes.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/directory/directoriesscancalls.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"

DB2SIM_CHECK_TYPE(sqlectnd_api);
DB2SIM_CHECK_TYPE(sqleuncn_api);
DB2SIM_CHECK_TYPE(sqlenops_api);
DB2SIM_CHECK_TYPE(sqlengne_api);
DB2SIM_CHECK_TYPE(sqlencls_api);

namespace db2sim {
namespace {

// The node name of a request, for message tokens; "" when unreadable.
std::string nodeName(const sqle_node_struct* node) {
    std::string name;
    if (node == nullptr || !readTerminated(node->nodename, sizeof(node->nodename), name)) {
        return std::string();
    }
    return withoutTrailingBlanks(name);
}

int catalogNode(sqle_node_struct* node, void* protocol, sqlca* ca) {
    ApiCall call("sqlectnd_api", ca);
    call.ptr("pNodeInfo", node).ptr("pProtocolInfo", protocol);
    if (node != nullptr) {
        call.num("struct_id", node->struct_id).num("protocol", node->protocol);
        std::string name = nodeName(node);
        call.text("nodename", name.c_str());
    }
    if (!call.proceed()) {
        return call.rc();
    }
    int rc = Manager::get().directories().nodes().catalog(node, protocol, call.instance().home());
    if (rc == code::kDuplicateNode || rc == code::kInvalidNodeName) {
        return call.fail(rc, {nodeName(node)});
    }
    return rc == code::kSuccess ? call.succeed() : call.fail(rc);
}

int uncatalogNode(char* node, sqlca* ca) {
    ApiCall call("sqleuncn_api", ca);
    call.text("pNodeName", node);
    if (!call.proceed()) {
        return call.rc();
    }
    if (node == nullptr) {
        return call.fail(code::kInvalidNodePointer);
    }
    std::string name = withoutTrailingBlanks(readParameter(node, SQL_NNAME_SZ));
    int rc = Manager::get().directories().nodes().uncatalog(name, call.instance().home());
    if (rc == code::kNodeNotFound || rc == code::kInvalidNodeName) {
        return call.fail(rc, {name});
    }
    return rc == code::kSuccess ? call.succeed() : call.fail(rc);
}

int openScan(unsigned short* handle, unsigned short* count, sqlca* ca) {
    ApiCall call("sqlenops_api", ca, CallKind::kAdmin, Access::kRead);
    call.ptr("pHandle", handle).ptr("pNumEntries", count);
    int rc = 0;
    if (!openScanAllowed(call, handle, count, rc)) {
        return rc;
    }
    rc = Manager::get().directories().nodes().open(*handle, *count);
    return openScanDone(call, rc, *handle, *count);
}

}  // namespace
}  // namespace db2sim

using db2sim::guarded;

DB2SIM_EXPORT int sqlectnd_api(sqle_node_struct* pNodeInfo, void* pProtocolInfo, sqlca* pSqlca) {
    return guarded([&] { return db2sim::catalogNode(pNodeInfo, pProtocolInfo, pSqlca); });
}

DB2SIM_EXPORT int sqleuncn_api(char* pNodeName, sqlca* pSqlca) {
    return guarded([&] { return db2sim::uncatalogNode(pNodeName, pSqlca); });
}

DB2SIM_EXPORT int sqlenops_api(unsigned short* pHandle, unsigned short* pNumEntries,
                               sqlca* pSqlca) {
    return guarded([&] { return db2sim::openScan(pHandle, pNumEntries, pSqlca); });
}

DB2SIM_EXPORT int sqlengne_api(unsigned short Handle, sqleninfo** ppNodeDirEntry, sqlca* pSqlca) {
    return guarded([&] {
        return db2sim::nextScanEntry("sqlengne_api", &db2sim::Directories::nodes, "ppNodeDirEntry",
                                     Handle, ppNodeDirEntry, pSqlca);
    });
}

DB2SIM_EXPORT int sqlencls_api(unsigned short Handle, sqlca* pSqlca) {
    return guarded([&] {
        return db2sim::closeScan("sqlencls_api", &db2sim::Directories::nodes, Handle, pSqlca);
    });
}
