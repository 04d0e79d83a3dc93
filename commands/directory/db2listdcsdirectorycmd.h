// LIST DCS DIRECTORY: every entry of the DCS directory as one row of six columns. An empty
// directory gives no columns at all. Runs on a context of its own.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"

struct sql_dir_entry;
class RowListing;

class CDB2ListDCSDirectoryCmd : public CDB2CmdBase {
  public:
    CDB2ListDCSDirectoryCmd(const tarvinex::JavaObject& command,
                            const tarvinex::JavaObject& context,
                            const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    // Fetches the `count` entries announced at open in one call and writes those DB2 filled.
    bool listEntries(short count, RowListing& listing);
    // False once the listing has stopped.
    static bool writeRow(const sql_dir_entry& entry, RowListing& listing);

    PrivateAPIContext ctx;
};
