// FORCE APPLICATION: ends the named applications of the attached instance (asynchronously), or
// all of them when Java names none. Needs an instance attachment. The handle list is refused as
// a whole when one item is not an agent id, and a list Java failed to give is never taken for
// the empty one: neither may force applications nobody named.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/monitor/agentidlist.h"

class CDB2ForceApplicationCmd : public CDB2CmdBase {
  public:
    CDB2ForceApplicationCmd(const tarvinex::JavaObject& command,
                            const tarvinex::JavaObject& context,
                            const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    t_string appHandles;
    bool theMode = false;  // read for Java's sake; DB2 forces asynchronously only
    AgentIdList agentIds;
};
