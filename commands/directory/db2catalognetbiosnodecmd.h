// CATALOG_NETBIOS_NODE: catalogs a NetBIOS node from DB2CommandCatalogNetBiosNode.
#pragma once

#include "commands/directory/db2catalognodebase.h"

class CDB2CatalogNetBiosNodeCmd : public CDB2CatalogNodeBase {
  public:
    CDB2CatalogNetBiosNodeCmd(const tarvinex::JavaObject& command,
                              const tarvinex::JavaObject& context,
                              const tarvinex::JavaObject& container);

    bool SetupData() override;

  protected:
    unsigned char protocolCode() const override { return SQL_PROTOCOL_NETB; }
    void* fillProtocol() override;

  private:
    bool admin = false;
    t_string serverName;
    unsigned short adapterNumber = 0;
    t_string instanceName;
    sqle_node_netb netbios;
};
