// INSPECT CHECK: checks the architectural integrity of the connected database, one table space or
// one table, on the partitions a partition text names ("1, 3 TO 5").
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/partitionlist.h"

class CDB2InspectCmd : public CDB2CmdBase {
  public:
    CDB2InspectCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                   const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    void readTarget(const tarvinex::JavaObject& cmd);
    void readLevels(const tarvinex::JavaObject& cmd, const t_string& className);
    bool readPartitions(const tarvinex::JavaObject& cmd);
    db2Uint32 action() const;
    db2Uint32 beginOption() const;
    db2int32 errorLimit() const;

    bool isDatabase = false;
    bool isTable = false;
    bool isTablespace = false;
    int tablespaceId = 0;
    int objectId = 0;
    t_string tablespaceName;
    t_string tableName;
    t_string schemaName;
    bool isForErrorStateAll = false;
    int limitErrNum = 0;
    bool isLimitErrToAll = false;
    bool isLimitErrToDef = false;
    bool isKeepResults = false;
    t_string resultsFile;
    int extentMapLvl = 0;
    int dataLvl = 0;
    int blockMapLvl = 0;
    int indexLvl = 0;
    int longLvl = 0;
    int lobLvl = 0;
    db2Uint32 apiLevel = db2Version810;
    db2Uint16 allNodeFlag = DB2INSPECT_NODE_LIST;
    PartitionList partitions;
};
