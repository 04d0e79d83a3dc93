// UPDATE MONITOR SWITCHES: turns the database monitor's recording groups on or off, or leaves
// them as they are, on one partition or on all. Runs on the instance attachment when there is
// one, otherwise on a context of its own, which DB2 attaches to the local instance by itself;
// that context is detached and ended when the command is done.
#pragma once

#include <array>

#include "commands/db2cmdbase.h"
#include "commands/monitor/monitorcontext.h"

class CDB2UpdateMonitorSwitchesCmd : public CDB2CmdBase {
  public:
    CDB2UpdateMonitorSwitchesCmd(const tarvinex::JavaObject& command,
                                 const tarvinex::JavaObject& context,
                                 const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

    // The state a switch text asks for: exactly "ON" is on, "OFF" off, anything else keeps the
    // current state. The timestamp switch has no "keep": anything but "ON" turns it off.
    static sqluint32 switchState(const t_string& text);
    static sqluint32 timestampState(const t_string& text);

  private:
    // Unit of work, statement, table, buffer pool, lock, sort; then timestamp.
    std::array<t_string, 7> switches;
    int dbPartitionNum = -1;
    bool isGlobal = false;
    bool version8 = true;  // the client is 8.0 or later: seven groups
    MonitorContext ctx;
};
