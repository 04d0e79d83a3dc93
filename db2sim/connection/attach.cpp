// Instance attachment: sqleatin_api, sqledtin_api, sqlesetc_api. An attachment belongs to the
// calling thread's application context. The node is the local instance or a catalogued node,
// which leads to an instance the state folder knows (or fails as an unreachable host would). Each
// instance has one database partition, 0.
#include <cstddef>
#include <optional>
#include <string>

#include "db2sim/core/apicall.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/core/entrypoints.h"
#include "db2sim/core/export.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcawriter.h"
#include "db2sim/core/sqlcodes.h"

DB2SIM_CHECK_TYPE(sqleatin_api);
DB2SIM_CHECK_TYPE(sqledtin_api);
DB2SIM_CHECK_TYPE(sqlesetc_api);

namespace db2sim {
namespace {

// One connection setting of sqlesetc_api.
struct ConnectionSetting {
    unsigned short type;
    unsigned short value;
};
static_assert(sizeof(ConnectionSetting) == 4, "sqle_conn_setting is 4 bytes");
static_assert(offsetof(ConnectionSetting, value) == 2, "sqle_conn_setting.value offset");

constexpr unsigned short kFirstSettingType = 1;  // SQL_CONNECT_TYPE
constexpr unsigned short kConnectNode = 7;       // SQL_CONNECT_NODE
constexpr unsigned short kAttachNode = 8;        // SQL_ATTACH_NODE, the last type
constexpr unsigned short kMaxShownSettings = 16;

constexpr const char* kRegionCode = "1";
constexpr const char* kCodePage = "1208";
constexpr const char* kServerPlatform = "DB2/LINUXX8664";
constexpr const char* kPartitionCount = "1";
constexpr const char* kReasonBadPassword = "24";
constexpr const char* kReasonBadPasswordText = "USERNAME AND/OR PASSWORD INVALID";

bool isLocalInstance(const char* node, const std::string& instance) {
    return node == nullptr || *node == '\0' || upperCase(node) == upperCase(instance);
}

// The nine tokens the client returns in sqlerrmc on a successful attachment.
std::string attachReply(const Attachment& attachment, const std::string& instance) {
    std::string agent = std::to_string(attachment.agentId);
    return joinTokens({kRegionCode, kCodePage, attachment.authid, upperCase(instance),
                       kServerPlatform, agent, agent, std::to_string(attachment.partition),
                       kPartitionCount});
}

// The instance an attach request reaches, or the refusal with its tokens.
NodeRoute attachRoute(const char* node, const std::string& local, Manager& manager) {
    NodeRoute route{0, {}, local};
    if (!isLocalInstance(node, local)) {
        std::string name = withoutTrailingBlanks(readParameter(node, SQL_NNAME_SZ));
        const NodeEntry* entry = manager.directories().nodes().find(name);
        if (entry == nullptr) {
            return NodeRoute{code::kNodeNotCatalogued, {}, ""};
        }
        route = manager.directories().nodes().route(*entry, manager.directories().instances(local),
                                                    local);
    }
    if (route.sqlcode == 0 && !manager.started()) {
        route.sqlcode = code::kManagerNotStarted;
    }
    return route;
}

int attachInstance(char* node, char* user, char* password, sqlca* ca) {
    ApiCall call("sqleatin_api", ca, CallKind::kAdmin, Access::kRead);
    call.text("pNodeName", node).text("pUserName", user).secret("pPassword", password);
    if (!call.proceed()) {
        return call.rc();
    }
    void* ctx = call.instance().contexts().current();
    if (ctx == nullptr) {
        return call.fail(code::kNoContext);
    }
    Manager& manager = Manager::get();
    NodeRoute route = attachRoute(node, call.instance().name(), manager);
    if (route.sqlcode != 0) {
        return call.fail(route.sqlcode, route.tokens);
    }
    const std::string& instance = route.instance;
    std::optional<std::string> authid = manager.users().authenticate(user, password);
    if (!authid) {
        return call.fail(code::kSecurityFailed, {kReasonBadPassword, kReasonBadPasswordText});
    }
    Attachment attachment{*authid, manager.attachments().partition(ctx), manager.nextAgentId()};
    manager.attachments().attach(ctx, attachment);
    int rc = call.succeed();
    if (rc == code::kSuccess) {
        writeSqlca(*ca, rc, attachReply(attachment, instance), call.instance().product());
    }
    return rc;
}

int detachInstance(sqlca* ca) {
    ApiCall call("sqledtin_api", ca, CallKind::kAdmin, Access::kRead);
    if (!call.proceed()) {
        return call.rc();
    }
    void* ctx = call.instance().contexts().current();
    if (ctx == nullptr) {
        return call.fail(code::kNoContext);
    }
    if (!Manager::get().attachments().detach(ctx)) {
        return call.fail(code::kNoAttachment);
    }
    return call.succeed();
}

// "type:value,..." for the journal.
std::string describe(const ConnectionSetting* settings, unsigned short count) {
    std::string text;
    for (unsigned short i = 0; i < count && i < kMaxShownSettings; ++i) {
        text += (i == 0 ? "" : ",") + std::to_string(settings[i].type) + ":" +
                std::to_string(settings[i].value);
    }
    return count > kMaxShownSettings ? text + ",..." : text;
}

bool validSetting(const ConnectionSetting& setting) {
    if (setting.type < kFirstSettingType || setting.type > kAttachNode) {
        return false;
    }
    // The instance has one database partition, 0.
    return (setting.type != kConnectNode && setting.type != kAttachNode) || setting.value == 0;
}

int setClient(void* settingsArg, unsigned short count, sqlca* ca) {
    ApiCall call("sqlesetc_api", ca, CallKind::kAdmin, Access::kRead);
    call.ptr("pConnectionSettings", settingsArg).num("NumSettings", count);
    const auto* settings = static_cast<const ConnectionSetting*>(settingsArg);
    if (settings != nullptr) {
        std::string shown = describe(settings, count);
        call.text("settings", shown.c_str());
    }
    if (!call.proceed()) {
        return call.rc();
    }
    void* ctx = call.instance().contexts().current();
    if (ctx == nullptr) {
        return call.fail(code::kNoContext);
    }
    if (settings == nullptr && count > 0) {
        return call.fail(code::kInvalidParameter, {"pConnectionSettings"});
    }
    for (unsigned short i = 0; i < count; ++i) {
        if (!validSetting(settings[i])) {
            return call.fail(code::kInvalidParameter, {"pConnectionSettings"});
        }
    }
    for (unsigned short i = 0; i < count; ++i) {
        if (settings[i].type == kAttachNode) {
            Manager::get().attachments().setPartition(ctx, settings[i].value);
        }
    }
    return call.succeed();
}

}  // namespace
}  // namespace db2sim

using db2sim::guarded;

DB2SIM_EXPORT int sqleatin_api(char* pNodeName, char* pUserName, char* pPassword, sqlca* pSqlca) {
    return guarded([&] { return db2sim::attachInstance(pNodeName, pUserName, pPassword, pSqlca); });
}

DB2SIM_EXPORT int sqledtin_api(sqlca* pSqlca) {
    return guarded([&] { return db2sim::detachInstance(pSqlca); });
}

DB2SIM_EXPORT int sqlesetc_api(void* pConnectionSettings, unsigned short NumSettings,
                               sqlca* pSqlca) {
    return guarded([&] { return db2sim::setClient(pConnectionSettings, NumSettings, pSqlca); });
}
