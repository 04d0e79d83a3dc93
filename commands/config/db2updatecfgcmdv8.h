// Changing configuration through one db2CfgSet: each name of the command's keyword map is looked
// up in the catalogue and its value converted to the parameter's type, immediate or deferred for
// all alike.
//
// Nothing goes to DB2 unless every entry converts: an unknown name, an unusable data type or
// size, or a value that is not a number of the parameter's type fails the command with a
// message. At most size() entries of the map are taken, whatever its iterator yields.
#pragma once

#include <memory>

#include "commands/config/cfgparamarray.h"
#include "commands/config/db2updatecfgcmdbase.h"
#include "commands/config/structdbconfiginfo.h"

class CDB2UpdateCfgCmdV8 : public CDB2UpdateCfgCmdBase {
  public:
    CDB2UpdateCfgCmdV8(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                       const tarvinex::JavaObject& container, bool instanceLevel);

    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    // The catalogue entry for `name` at the client's version, or null.
    std::unique_ptr<StructDBConfigInfo> findParameter(const t_string& name) const;
    bool readEntries(const tarvinex::JavaObject& map);
    bool addEntry(const tarvinex::JavaObject& entry);
    // Text of an entry's key or value; empty for null.
    static t_string entryText(const tarvinex::JavaObject& entry, const char* getter);
    db2Uint32 itemFlags() const;

    CfgParamArray data;
    int count = 0;
    bool isDefered = false;
};
