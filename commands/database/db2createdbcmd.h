// CREATE DATABASE on the attached instance: descriptor, code set and territory, and optional
// catalog, user and temporary table space definitions. Refused while the caller is connected
// to a database.
#pragma once

#include "commands/database/tablespaceblock.h"
#include "commands/db2cmdbase.h"
#include "db2api/db2structs.h"

class CDB2CreateDBCmd : public CDB2CmdBase {
  public:
    CDB2CreateDBCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                    const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    // False after refusing a number its field cannot hold.
    bool readDescriptor(const tarvinex::JavaObject& create, const t_string& className);
    // Builds `block` from the definition the getter returns; none when it returns null.
    bool pupulateTbsInfo(const tarvinex::JavaObject& create, const char* getter,
                         const t_string& className, TablespaceBlock& block);

    t_string dbName;
    t_string alias;
    t_string path;
    sqledbdesc dbDescriptor{};
    SQLEDBTERRITORYINFO territoryInfo{};
    TablespaceBlock catalogTbs;
    TablespaceBlock userTbs;
    TablespaceBlock tempTbs;
};
