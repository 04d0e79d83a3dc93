// What START DBM asks for, read once from the Java command and written into either start
// structure: db2StartOptionsStruct (version 8 on) or sqle_start_options (older clients). Both
// forms take the same choices, table space type and node included.
#pragma once

#include "bridge/javaobject.h"
#include "db2api/db2structs.h"

class StartParameters {
  public:
    // Start option codes that carry an option object.
    static constexpr int kAddPartition = 5;
    static constexpr int kRestart = 6;

    // Reads DB2CommandStartDBM and, for options 5 and 6, its option object. A null option object
    // leaves the bridge's exception pending.
    void Read(const tarvinex::JavaObject& start, const t_string& className);

    // The pointers written refer to this object's strings: keep it alive across the call.
    void Fill(db2StartOptionsStruct& options);
    void Fill(sqle_start_options& options);

    t_string remoteInstanceName;
    t_string remoteAdminNodeName;
    t_string remoteHostName;
    t_string remoteUserId;
    t_string remotePassword;
    bool isAdminNode = false;  // read, not passed to DB2
    t_string user;             // read, not passed to DB2
    t_string group;            // read, not passed to DB2
    t_string profile;
    int partitionNum = 0;
    int startMode = 0;
    t_string hostName;
    int port = 0;
    t_string computerName;
    t_string userName;
    t_string password;
    t_string netName;
    int likePartition = 0;
    bool isWithoutTablespaces = false;

  private:
    void populateData(const tarvinex::JavaObject& option);
    // iTblspaceType / tblspace_type.
    sqluint32 tablespaceType() const;
    // iTblspaceNode / tblspace_node.
    SQL_PDB_NODE_TYPE tablespaceNode() const;
};
