// Reading configuration: the catalogue the Java command supplies, the level (database manager or
// one database) and the context the read runs in. The data steps belong to the derived classes.
#pragma once

#include <vector>

#include "commands/config/structdbconfiginfo.h"
#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"
#include "commands/rowlisting.h"

class CDB2GetCfgCmd : public CDB2CmdBase {
  public:
    CDB2GetCfgCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                  const tarvinex::JavaObject& container, bool instanceLevel);

    // Instance level: the stored attachment, or else a private context on the local instance
    // (ended in FreeData). False without a message when that context cannot be made; false with
    // DB2's text when the context cannot be made current.
    bool SetupContext() override;
    // NAME, VALUE, DELAYED_VALUE, TOKEN_ID, VALUE_FLAG, DELAYED_VALUE_FLAG. False when Java
    // failed while they were added; that exception stays pending for the caller, and the
    // command fails with it (its rows are its result).
    virtual bool SetupColumnInfo(RowListing& listing);

  protected:
    std::vector<StructDBConfigInfo> configInfoArray;  // usable catalogue entries, in order
    PrivateAPIContext ctx;
    bool isV8 = false;
    bool isInstanceLevel;
    t_string m_strAlias;
};
