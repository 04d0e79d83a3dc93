// ADD DBPARTITIONNUM: adds a database partition to a partitioned instance, with temporary table
// spaces like an existing partition's, like the catalog partition's, or none. Runs on a context
// of its own.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"
#include "db2api/db2types.h"

class CDB2AddDBPartNumCmd : public CDB2CmdBase {
  public:
    CDB2AddDBPartNumCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                        const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    [[maybe_unused]] int version;  // the lower of the database and client major versions; unused
    sqlca ca;
    PrivateAPIContext ctx;
    int nodeNum = -1;
    sqlint16 tblspace_type = 0;
};
