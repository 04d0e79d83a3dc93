// CATALOG_NAMEDPIPE_NODE: catalogs a named-pipe node from DB2CommandCatalogNamedPipeNode.
#pragma once

#include "commands/directory/db2catalognodebase.h"

class CDB2CatalogNamedPipeNodeCmd : public CDB2CatalogNodeBase {
  public:
    CDB2CatalogNamedPipeNodeCmd(const tarvinex::JavaObject& command,
                                const tarvinex::JavaObject& context,
                                const tarvinex::JavaObject& container);

    bool SetupData() override;

  protected:
    unsigned char protocolCode() const override { return SQL_PROTOCOL_NPIPE; }
    void* fillProtocol() override;

  private:
    bool admin = false;
    t_string computerName;
    t_string instanceName;
    sqle_node_npipe npipe;
};
