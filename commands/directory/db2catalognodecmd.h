// CATALOG_NODE: catalogs a TCP/IP node (or a node of a protocol that shares the TCP/IP
// structure, chosen by the node type) from DB2CommandCatalogNode.
#pragma once

#include "commands/directory/db2catalognodebase.h"

class CDB2CatalogNodeCmd : public CDB2CatalogNodeBase {
  public:
    CDB2CatalogNodeCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                       const tarvinex::JavaObject& container);

    bool SetupData() override;

  protected:
    unsigned char protocolCode() const override;
    void* fillProtocol() override;

  private:
    int nodeType = SQL_PROTOCOL_TCPIP;
    bool admin = false;
    t_string hostName;
    t_string service;
    bool securitySock = false;
    t_string remoteInstanceName;
    sqle_node_tcpip tcpip;
};
