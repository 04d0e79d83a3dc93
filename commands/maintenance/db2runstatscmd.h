// RUNSTATS: collects statistics of one table of the connected database and its indexes, then
// commits on the connection. Nothing is committed when DB2 refuses; a failed commit fails the
// command although the statistics were collected.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/maintenance/runstatslists.h"

class CDB2RunStatsCmd : public CDB2CmdBase {
  public:
    CDB2RunStatsCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                    const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    bool readScalars(const tarvinex::JavaObject& cmd);
    void readFlags(const tarvinex::JavaObject& cmd, const t_string& className);
    bool commit();

    int version = 0;
    double iSamplingOption = 0.0;
    t_string tableName;
    db2int16 iTableDefaultFreqValues = DB2RUNSTATS_DEFAULT;
    db2int16 iTableDefaultQuantiles = DB2RUNSTATS_DEFAULT;
    db2Uint32 iSamplingRepeatable = 0;
    db2Uint32 iUtilImpactPriority = 0;
    db2Uint32 iRunstatsFlags = 0;
    RunstatsLists lists;
};
