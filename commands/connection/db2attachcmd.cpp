#include "commands/connection/db2attachcmd.h"

#include <cstddef>

#include "commands/connection/attachreply.h"
#include "commands/fieldnumber.h"
#include "db2api/contexthandleregistry.h"
#include "db2api/db2api.h"
#include "base/lexicalcast.h"

namespace {

// One client connection setting (sqlesetc): the setting's type and its value.
struct sqle_conn_setting {
    unsigned short type;
    unsigned short value;
};
static_assert(sizeof(sqle_conn_setting) == 4, "sqle_conn_setting size");
static_assert(offsetof(sqle_conn_setting, value) == 2, "sqle_conn_setting.value offset");

constexpr unsigned short SQL_ATTACH_TO_NODE = 8;  // setting type: partition of the next attach

enum Column { kServer = 1, kPlatform, kVersion, kAuthId, kAlias };
const char* const kColumnNames[] = {"SERVER", "PLATFORM", "VERSION", "AUTH ID", "ALIAS"};

}  // namespace

CDB2AttachCmd::CDB2AttachCmd(const tarvinex::JavaObject& command,
                             const tarvinex::JavaObject& context,
                             const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2AttachCmd::SetupData() {
    const tarvinex::JavaObject attach(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName("DB2CommandAttach").c_str());
    instance = attach.getFieldString("NodeName");
    userid = attach.getFieldString("UserId");
    passwd = attach.getFieldString("Password");
    nodeId = contextObj.getAttachNodeId();
    // Read with the parameters, so that a failing getter stops the command before any DB2 call.
    ctx = db2::ContextHandleRegistry::FromHandle(contextObj.getInstanceConnectionContext());
    // -1 is no partition; any other value must fit the 16-bit setting.
    return nodeId == -1 ||
           FieldNumber::check<unsigned short>(getEnv(), "getAttachNodeId()", nodeId);
}

bool CDB2AttachCmd::SetupContext() {
    if (ctx == nullptr) {
        if (!created.Create()) {
            return false;
        }
        ctx = created.get();
    }
    return makeCurrent(ctx);
}

bool CDB2AttachCmd::CallDB2API() {
    if (nodeId != -1 && !setPartition()) {
        return false;
    }
    return attachNode();
}

bool CDB2AttachCmd::setPartition() {
    sqle_conn_setting setting{SQL_ATTACH_TO_NODE, static_cast<unsigned short>(nodeId)};
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().SetClient(&setting, 1, &ca);
    return checkDB2Call(rc, ca);
}

bool CDB2AttachCmd::attachNode() {
    t_string node = instance;
    t_string user = userid;
    t_string password = passwd;
    sqlca ca = zeroedSqlca();
    const int rc =
        db2::DB2API::Instance().AttachNode(node.data(), user.data(), password.data(), &ca);
    if (!checkDB2Call(rc, ca)) {
        return false;
    }
    publish(AttachReply(ca));
    return true;
}

void CDB2AttachCmd::SetupColumnInfo() {
    JNIEnv* env = getEnv();
    for (const char* name : kColumnNames) {
        containerObj.addColumn(name);
        if (env->ExceptionCheck()) {
            env->ExceptionDescribe();
            return;
        }
    }
}

void CDB2AttachCmd::publish(const AttachReply& reply) {
    // A cell holds the first word of its text.
    auto cell = [this](Column column, const t_string& text) {
        containerObj.setColumnValue(column, lexical_cast<t_string>(text));
    };
    SetupColumnInfo();
    containerObj.newRow();
    contextObj.setInstanceServerVersion(reply.version().c_str());
    cell(kVersion, reply.version());
    contextObj.setServerRegionCode(reply.regionCode());
    contextObj.setServerCodePage(reply.codePage());
    contextObj.setAuthorizationId(reply.authorizationId().c_str());
    cell(kAuthId, reply.authorizationId());
    contextObj.setNodeName(reply.nodeName().c_str());
    cell(kAlias, reply.nodeName());
    contextObj.setServerIdentity(reply.serverIdentity().c_str());
    cell(kServer, reply.serverIdentity());
    contextObj.setServerPlatform(reply.serverPlatform().c_str());
    cell(kPlatform, reply.serverPlatform());
    contextObj.setServerAgentId(reply.agentId());
    contextObj.setServerAgentIndex(reply.agentIndex());
    contextObj.setNodeNumber(reply.nodeNumber());
    contextObj.setNumberOfDbPartitions(reply.numberOfPartitions());
}

void CDB2AttachCmd::FreeData(bool rslt) {
    // A stored context stays stored either way. A context made here is given up only once Java's
    // setter has taken it; otherwise it is detached from the instance and `created` ends it.
    if (created.get() == nullptr || !rslt) {
        return;
    }
    if (!ExceptionOccurred()) {
        contextObj.setInstanceConnectionContext(created.Id());
        if (!ExceptionOccurred()) {
            created.Release();
            return;
        }
    }
    sqlca ca = zeroedSqlca();
    db2::DB2API::Instance().DetachNode(&ca);
}
