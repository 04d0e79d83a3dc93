// PRUNE HISTORY / PRUNE LOGFILE on the connected database: history entries up to a time stamp,
// or log files before a log file.
#pragma once

#include "commands/db2cmdbase.h"
#include "db2api/db2structs.h"

class CDB2PruneCmd : public CDB2CmdBase {
  public:
    CDB2PruneCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                 const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

    // The log number DB2 takes for a log file name: from its first "0" up to the "." after it
    // ("S0000012.LOG" gives "0000012"); a name with no "0" up to its first "."; never fails.
    static t_string logNumber(const t_string& logFileName);

  private:
    int version = 0;
    t_string timestamp, logFileName;
    db2Uint32 action = DB2PRUNE_ACTION_HISTORY;
    db2Uint32 options = DB2PRUNE_OPTION_NONE;
};
