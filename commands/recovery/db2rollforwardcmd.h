// ROLLFORWARD DATABASE: replays logs to a point in time or to the end of the logs, completes or
// cancels a rollforward, or asks for its status, for a database or table spaces on chosen
// partitions; answers the status of each partition as "param"/"value" rows. Always runs on a
// context of its own (a database pending rollforward cannot be connected to), ended on every
// path.
#pragma once

#include <vector>

#include "commands/db2cmdbase.h"
#include "commands/partitionlist.h"
#include "commands/privateapicontext.h"
#include "db2api/db2structs.h"

class RowListing;

class CDB2RollforwardCmd : public CDB2CmdBase {
  public:
    CDB2RollforwardCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                       const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;
    bool BuildResultSet() override;

    // iAllNodeFlag for the "all partitions" choice and the number of listed partitions.
    static db2int32 allNodeFlag(bool allPartitions, std::size_t listed);
    // How many status entries DB2 may write for that choice: every partition when it acts on all
    // (but some), one for the catalog partition, else one per listed partition.
    static std::size_t statusCapacity(db2int32 allNodeFlag, std::size_t listed);
    // The text of an sqlurf_info state; null for a state DB2 does not define.
    static const char* stateText(sqlint32 state);

  private:
    // The action of the option text; false (with the message raised) for an unknown text.
    bool readAction(const tarvinex::JavaObject& rollforward);
    bool readOverflowPaths(const tarvinex::JavaObject& rollforward);
    bool readTablespaces(const tarvinex::JavaObject& rollforward);
    void writeStatus(RowListing& listing, const sqlurf_info& info) const;

    int version = 0;
    PrivateAPIContext ctx;
    t_string dbAlias, stopTime, username, password, overflowLogPath, droppedTableId, exportDir;
    db2Uint32 callerAction = DB2ROLLFORWARD_RFWD;
    db2Uint32 connectMode = SQLUM_OFFLINE;
    db2Uint32 rollforwardFlags = 0;
    db2int32 allNodes = SQLURF_CAT_NODE_ONLY;
    PartitionList partitions;
    std::vector<sqlurf_newlogpath> overflowPaths;
    std::vector<sqlu_tablespace_entry> tablespaceEntries;
    sqlu_tablespace_bkrst_list tablespaceList{};
    // Outputs.
    char applicationId[128] = {};
    sqlint32 numReplies = 0;
    std::vector<sqlurf_info> nodeInfo;
    db2Uint32 outputFlags = 0;
};
