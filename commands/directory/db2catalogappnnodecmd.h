// CATALOG_APPN_NODE: catalogs an APPN node from DB2CommandCatalogAPPNNode. The Java class has no
// mode, so DB2 always receives an empty one.
#pragma once

#include "commands/directory/db2catalognodebase.h"

class CDB2CatalogAPPNNodeCmd : public CDB2CatalogNodeBase {
  public:
    CDB2CatalogAPPNNodeCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                           const tarvinex::JavaObject& container);

    bool SetupData() override;

    // DB2's security type for APPN: with security, none (0) wins over same (1); else program (2).
    static unsigned short securityType(bool security, bool none, bool same);

  protected:
    unsigned char protocolCode() const override { return SQL_PROTOCOL_APPN; }
    void* fillProtocol() override;

  private:
    t_string netId;
    t_string partnerLu;
    t_string localLu;
    t_string tpName;
    t_string mode;
    bool security = false;
    bool none = false;
    bool same = false;
    bool program = false;
    t_string lanAddress;
    t_string changePwdLu;
    sqle_node_appn appn;
};
