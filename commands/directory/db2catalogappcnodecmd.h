// CATALOG_APPC_NODE: catalogs an APPC node (through the CPIC structure) from
// DB2CommandCatalogAPPCNode.
#pragma once

#include "commands/directory/db2catalognodebase.h"

class CDB2CatalogAPPCNodeCmd : public CDB2CatalogNodeBase {
  public:
    CDB2CatalogAPPCNodeCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                           const tarvinex::JavaObject& container);

    bool SetupData() override;

    // DB2's security type for APPC: off or program gives program (2); else none (0) or same (1).
    static unsigned short securityType(bool security, bool none, bool program);

  protected:
    unsigned char protocolCode() const override { return SQL_PROTOCOL_CPIC; }
    void* fillProtocol() override;

  private:
    t_string symbDestName;
    bool security = false;
    bool none = false;
    bool same = false;
    bool program = false;
    t_string instanceName;
    sqle_node_cpic cpic;
};
