// Reading configuration through db2CfgGet: one row per catalogue parameter with its value, and in
// detail mode also the value that takes effect after the next restart.
//
// The catalogue comes from the command's getAllParameters. Entries are taken up to the size the
// collection reports, whatever its iterator (and so its toArray) yields; null entries and entries
// without a usable data type or size are skipped (no row).
#pragma once

#include "commands/config/cfgparamarray.h"
#include "commands/config/db2getcfgcmd.h"

class CDB2GetCfgCmdV8 : public CDB2GetCfgCmd {
  public:
    CDB2GetCfgCmdV8(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                    const tarvinex::JavaObject& container, bool instanceLevel);

    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;
    bool BuildResultSet() override;

  protected:
    bool isDetail = false;

  private:
    // The smaller of the server's and the client's version, with revision.
    double catalogueVersion() const;
    void readCatalogue(const tarvinex::JavaObject& factory);
    void allocateValues();
    // One db2CfgGet into `values` with the level's flag plus `extraFlags`.
    int callGet(CfgParamArray& values, db2Uint32 extraFlags, sqlca& ca);
    // Errors as the caller convention says; a warning is dropped.
    bool checkQuietly(int rc, const sqlca& ca);
    // False once the listing has stopped (a Java failure).
    bool addRow(RowListing& listing, const tarvinex::JavaObject& factory, double version,
                std::size_t i);

    CfgParamArray data;
    CfgParamArray delayedData;
};
