// The Java run-time context: connection and attachment state kept on the Java side between
// commands (DB2 context handles, CLI handles, server facts, credentials, versions).
// Handles travel as int values, 0 meaning none; a handle may be any 32-bit value, negative ones
// included.
#pragma once

#include "bridge/javaobject.h"

namespace tarvinex {

class DB2CommandRuntimeContext : public JavaObject {
  public:
    // Views obj through com/qorvath/db2command/DB2CommandRuntimeContext and reads
    // getDatabaseConnectionContext() once (the value is not used).
    DB2CommandRuntimeContext(JNIEnv* env, jobject obj);
    // Copies the wrapper; its class is kept as it is.
    explicit DB2CommandRuntimeContext(const JavaObject& src);
    ~DB2CommandRuntimeContext() override = default;

    void detach() const;
    void disconnect() const;
    void autoConnect() const;
    void autoAttach() const;

    // The DB2 context, the CLI environment handle and the CLI connection handle, in this order.
    void setDatabaseConnectionContext(int context, int envHandle, int dbcHandle) const;
    int getDatabaseConnectionContext() const;
    int getDatabaseConnectionEnvHandler() const;
    int getDatabaseConnectionDbcHandler() const;
    void setDatabaseServerVersion(const char* version) const;

    void setInstanceConnectionContext(int context) const;
    int getInstanceConnectionContext() const;
    int getAttachNodeId() const;
    void setAttachNodeId(int nodeId) const;
    int getConnectNodeId() const;
    void setConnectNodeId(int nodeId) const;
    void setInstanceServerVersion(const char* version) const;

    void setWarningMessage(const char* message) const;
    void setServerRegionCode(int code) const;
    void setServerCodePage(int codePage) const;
    void setAuthorizationId(const char* id) const;
    void setNodeName(const char* name) const;
    void setServerIdentity(const char* identity) const;
    void setServerPlatform(const char* platform) const;
    void setServerAgentId(int id) const;
    void setServerAgentIndex(int index) const;
    void setNodeNumber(int number) const;
    void setNumberOfDbPartitions(int count) const;

    t_string getDatabaseConnectionUserId() const;
    t_string getDatabaseConnectionPassword() const;
    t_string getNodeNameForAlias(const char* alias) const;
    t_string getRemoteInstanceName() const;
    t_string getRemoteDatabaseName() const;
    t_string getDatabaseAlias() const;

    // Short versions: major + minor scaled below 1 (9.7, 8.1 for minor 10); 0.0 when unknown.
    double getClientVersion() const;
    double getInstanceVersion() const;
    double getDatabaseVersion() const;
    // major + minor / 100 + revision / 10000 (8.0203); 0.0 when unknown.
    double getClientVersionWithRevision() const;
    double getInstanceVersionWithRevision() const;
    double getDatabaseVersionWithRevision() const;

  private:
    double shortVersion(const char* getter) const;
    double versionWithRevision(const char* getter) const;
};

}  // namespace tarvinex
