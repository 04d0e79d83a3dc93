// REORG: reorganises a table (offline or in place) or its indexes on the connected database, on
// the partitions a Java collection names (none: every partition).
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/partitionlist.h"

class CDB2ReorgCmd : public CDB2CmdBase {
  public:
    CDB2ReorgCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                 const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    void setReorgType(const tarvinex::JavaObject& cmd);
    void setNodeListFlag(const tarvinex::JavaObject& cmd);
    void setReorgFlags(const tarvinex::JavaObject& cmd);
    bool isTableReorg() const;
    // The object of the call: a table or its indexes.
    void fillObject(db2ReorgStruct& parms);

    int version = 0;
    db2Uint32 reorgType = DB2REORG_OBJ_TABLE_OFFLINE;
    db2Uint32 reorgFlags = 0;
    db2int32 nodeListFlag = DB2REORG_ALL_NODES;
    PartitionList partitions;
    t_string tableName;
    t_string indexName;
    t_string sysTempSpace;
    t_string longTempSpace;
};
