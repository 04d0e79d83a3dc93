// UNCATALOG_NODE: removes a node from the node directory, on a private context.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"

class CDB2UnCatalogNodeCmd : public CDB2CmdBase {
  public:
    CDB2UnCatalogNodeCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                         const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    t_string nodeName;
    PrivateAPIContext ctx;
};
