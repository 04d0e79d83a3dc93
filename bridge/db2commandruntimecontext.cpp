#include "bridge/db2commandruntimecontext.h"

namespace tarvinex {
namespace {

const char kServerVersionClass[] = "com/qorvath/db2command/util/ServerVersion";
const char kClientVersion[] = "getClientVersion";
const char kInstanceVersion[] = "getInstanceServerVersion";
const char kDatabaseVersion[] = "getDatabaseServerVersion";

}  // namespace

DB2CommandRuntimeContext::DB2CommandRuntimeContext(JNIEnv* env, jobject obj)
    : JavaObject(env, getDB2CommandClassName("DB2CommandRuntimeContext").c_str(), obj) {
    getDatabaseConnectionContext();
}

DB2CommandRuntimeContext::DB2CommandRuntimeContext(const JavaObject& src) : JavaObject(src) {}

void DB2CommandRuntimeContext::detach() const {
    callVoidMethod("detach");
}

void DB2CommandRuntimeContext::disconnect() const {
    callVoidMethod("disconnect");
}

void DB2CommandRuntimeContext::autoConnect() const {
    callVoidMethod("autoConnect");
}

void DB2CommandRuntimeContext::autoAttach() const {
    callVoidMethod("autoAttach");
}

void DB2CommandRuntimeContext::setDatabaseConnectionContext(int context, int envHandle,
                                                            int dbcHandle) const {
    callVoid("setDatabaseConnectionContext", "(III)V", static_cast<jint>(context),
             static_cast<jint>(envHandle), static_cast<jint>(dbcHandle));
}

int DB2CommandRuntimeContext::getDatabaseConnectionContext() const {
    return callintMethod("getDatabaseConnectionContext");
}

int DB2CommandRuntimeContext::getDatabaseConnectionEnvHandler() const {
    return callintMethod("getDatabaseConnectionEnvHandler");
}

int DB2CommandRuntimeContext::getDatabaseConnectionDbcHandler() const {
    return callintMethod("getDatabaseConnectionDbcHandler");
}

void DB2CommandRuntimeContext::setDatabaseServerVersion(const char* version) const {
    callMethodString("setDatabaseServerVersion", version);
}

void DB2CommandRuntimeContext::setInstanceConnectionContext(int context) const {
    callMethodInt("setInstanceConnectionContext", context);
}

int DB2CommandRuntimeContext::getInstanceConnectionContext() const {
    return callintMethod("getInstanceConnectionContext");
}

int DB2CommandRuntimeContext::getAttachNodeId() const {
    return callintMethod("getAttachNodeId");
}

void DB2CommandRuntimeContext::setAttachNodeId(int nodeId) const {
    callMethodInt("setAttachNodeId", nodeId);
}

int DB2CommandRuntimeContext::getConnectNodeId() const {
    return callintMethod("getConnectNodeId");
}

void DB2CommandRuntimeContext::setConnectNodeId(int nodeId) const {
    callMethodInt("setConnectNodeId", nodeId);
}

void DB2CommandRuntimeContext::setInstanceServerVersion(const char* version) const {
    callMethodString("setInstanceServerVersion", version);
}

void DB2CommandRuntimeContext::setWarningMessage(const char* message) const {
    callMethodString("setWarningMessage", message);
}

void DB2CommandRuntimeContext::setServerRegionCode(int code) const {
    callMethodInt("setServerRegionCode", code);
}

void DB2CommandRuntimeContext::setServerCodePage(int codePage) const {
    callMethodInt("setServerCodePage", codePage);
}

void DB2CommandRuntimeContext::setAuthorizationId(const char* id) const {
    callMethodString("setAuthorizationId", id);
}

void DB2CommandRuntimeContext::setNodeName(const char* name) const {
    callMethodString("setNodeName", name);
}

void DB2CommandRuntimeContext::setServerIdentity(const char* identity) const {
    callMethodString("setServerIdentity", identity);
}

void DB2CommandRuntimeContext::setServerPlatform(const char* platform) const {
    callMethodString("setServerPlatformType", platform);
}

void DB2CommandRuntimeContext::setServerAgentId(int id) const {
    callMethodInt("setServerAgentId", id);
}

void DB2CommandRuntimeContext::setServerAgentIndex(int index) const {
    callMethodInt("setServerAgentIndex", index);
}

void DB2CommandRuntimeContext::setNodeNumber(int number) const {
    callMethodInt("setNodeNumber", number);
}

void DB2CommandRuntimeContext::setNumberOfDbPartitions(int count) const {
    callMethodInt("setNumOfDbPartitions", count);
}

t_string DB2CommandRuntimeContext::getDatabaseConnectionUserId() const {
    return callStringMethod("getDatabaseConnectionUserId");
}

t_string DB2CommandRuntimeContext::getDatabaseConnectionPassword() const {
    return callStringMethod("getDatabaseConnectionPassword");
}

t_string DB2CommandRuntimeContext::getNodeNameForAlias(const char* alias) const {
    return callStringMethodString("getNodeNameForAlias", alias);
}

t_string DB2CommandRuntimeContext::getRemoteInstanceName() const {
    return callStringMethod("getRemoteInstanceName");
}

t_string DB2CommandRuntimeContext::getRemoteDatabaseName() const {
    return callStringMethod("getRemoteDatabaseName");
}

t_string DB2CommandRuntimeContext::getDatabaseAlias() const {
    return callStringMethod("getDatabaseAlias");
}

// ---------------------------------------------------------------------------------------------
// Versions

double DB2CommandRuntimeContext::shortVersion(const char* getter) const {
    const JavaObject version = getChildObject(getter, kServerVersionClass);
    if (version.isNull()) {
        return 0.0;
    }
    double minor = version.callintMethod("getMinor");
    while (minor >= 1.0) {
        minor /= 10.0;
    }
    return version.callintMethod("getMajor") + minor;
}

double DB2CommandRuntimeContext::versionWithRevision(const char* getter) const {
    const JavaObject version = getChildObject(getter, kServerVersionClass);
    if (version.isNull()) {
        return 0.0;
    }
    return version.callintMethod("getMajor") + version.callintMethod("getMinor") / 100.0 +
           version.callintMethod("getMinorRevision") / 10000.0;
}

double DB2CommandRuntimeContext::getClientVersion() const {
    return shortVersion(kClientVersion);
}

double DB2CommandRuntimeContext::getInstanceVersion() const {
    return shortVersion(kInstanceVersion);
}

double DB2CommandRuntimeContext::getDatabaseVersion() const {
    return shortVersion(kDatabaseVersion);
}

double DB2CommandRuntimeContext::getClientVersionWithRevision() const {
    return versionWithRevision(kClientVersion);
}

double DB2CommandRuntimeContext::getInstanceVersionWithRevision() const {
    return versionWithRevision(kInstanceVersion);
}

double DB2CommandRuntimeContext::getDatabaseVersionWithRevision() const {
    return versionWithRevision(kDatabaseVersion);
}

}  // namespace tarvinex
