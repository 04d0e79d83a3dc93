// CATALOG DATABASE: adds an entry to the system database directory. A node without a path makes
// a remote entry; anything else an indirect one. Runs on a context of its own.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"

class CDB2CatalogDBCmd : public CDB2CmdBase {
  public:
    CDB2CatalogDBCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                     const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    t_string dbName;
    t_string alias;
    t_string nodeName;
    t_string path;
    t_string comment;
    t_string principal;
    unsigned char type = 0;
    unsigned short authentication = 0;
    PrivateAPIContext ctx;
};
