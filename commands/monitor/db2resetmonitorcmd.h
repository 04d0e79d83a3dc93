// RESET MONITOR: sets the database monitor's counters of one database, or of every database of
// the attached instance when no alias is given, back to zero; on one partition or on all.
// Needs an instance attachment.
#pragma once

#include "commands/db2cmdbase.h"

class CDB2ResetMonitorCmd : public CDB2CmdBase {
  public:
    CDB2ResetMonitorCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                        const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    bool isDCS = false;  // read for Java's sake; DB2 resets both kinds alike
    t_string dbAlias;
    int dbPartition = -1;
    bool isGlobal = false;
    bool version8 = true;  // the client is 8.0 or later
};
