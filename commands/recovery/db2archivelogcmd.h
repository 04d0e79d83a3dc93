// ARCHIVE LOG: closes and archives the active log of a database, on all partitions, all but
// some, or the listed ones ("1, 3 TO 5"). Runs on a context of its own, ended on every path.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/partitionlist.h"
#include "commands/privateapicontext.h"
#include "db2api/db2structs.h"

class CDB2ArchiveLogCmd : public CDB2CmdBase {
  public:
    CDB2ArchiveLogCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                      const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    PrivateAPIContext ctx;
    double clientVersion = 0.0;
    t_string dbAlias, username, password;
    db2Uint16 allNodeFlag = SQLURF_NODE_LIST;
    PartitionList partitions;
};
