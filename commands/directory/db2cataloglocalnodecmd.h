// CATALOG_LOCAL_NODE: catalogs a node for an instance on this machine from
// DB2CommandCatalogLocalNode. With no instance name given, DB2INSTANCE names it.
#pragma once

#include "commands/directory/db2catalognodebase.h"

class CDB2CatalogLocalNodeCmd : public CDB2CatalogNodeBase {
  public:
    CDB2CatalogLocalNodeCmd(const tarvinex::JavaObject& command,
                            const tarvinex::JavaObject& context,
                            const tarvinex::JavaObject& container);

    bool SetupData() override;

  protected:
    unsigned char protocolCode() const override { return SQL_PROTOCOL_LOCAL; }
    void* fillProtocol() override;

  private:
    bool admin = false;
    t_string instanceName;
    sqle_node_local local;
};
