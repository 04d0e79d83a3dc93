// What the six catalog-node commands share: the private context, the node structure and the one
// catalog call with its judgement. A protocol command reads its own getters and fills its own
// protocol structure; the base fills the node structure around it and calls sqlectnd.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"
#include "db2api/db2structs.h"

class CDB2CatalogNodeBase : public CDB2CmdBase {
  public:
    bool SetupContext() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  protected:
    CDB2CatalogNodeBase(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                        const tarvinex::JavaObject& container);

    // The command object seen through its Java class, e.g. "DB2CommandCatalogNode".
    tarvinex::JavaObject view(const char* javaClass) const;
    // getOsType of every catalog-node class: a DB2CommandCatalogNode$EnumOSType, 0 when null.
    static int readOsType(const tarvinex::JavaObject& command);
    // getter of a java.lang.Boolean; null reads as false.
    static bool readFlag(const tarvinex::JavaObject& command, const char* getter);
    // The getters most catalog-node classes end with: getSystemName, getOsType, getComment.
    void readSystemOsAndComment(const tarvinex::JavaObject& command);

    // The protocol code that goes into the node structure.
    virtual unsigned char protocolCode() const = 0;
    // Zeroes and fills the protocol structure; returns it for the catalog call.
    virtual void* fillProtocol() = 0;

    t_string name;        // node name, at most 8 characters reach DB2
    t_string comment;     // at most 30
    t_string systemName;  // kept, not passed to DB2
    int osType = 0;       // kept, not passed to DB2

  private:
    void fillNode(sqle_node_struct& node) const;

    PrivateAPIContext ctx;
};
