// EXPORT: writes the result of a SELECT statement to a data file on the client, with its LOB and
// XML values in files of their own, on the run-time context's database connection.
//
// db2Export at 8010000 below version 9 (the XML parameters are then neither read nor passed) and
// 9000000 from version 9 on. Lists are checked while the parameters are read.
#pragma once

#include "commands/countedstring.h"
#include "commands/datamove/columndescriptor.h"
#include "commands/db2cmdbase.h"
#include "commands/medialist.h"

class CDB2ExportCmd : public CDB2CmdBase {
  public:
    CDB2ExportCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                  const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    // Builds the DB2 structures from what was read; false after raising the refusal.
    bool build();

    int version = 0;
    sqlca ca;
    t_string strDataFileName;
    t_string strFileType;
    t_string strMsgFileName;
    t_string strColumnName;
    t_string strFileTypeMod;
    t_string strLobFile;
    t_string strLobPath;
    t_string strXmlFileName;
    t_string strXmlToPath;
    t_string actionString;
    bool xmlSaveSchema = false;
    db2Uint16 xmlSaveSchemaValue = 0;

    MediaList lobPaths;
    MediaList lobFiles;
    MediaList xmlPaths;
    MediaList xmlFiles;
    ColumnDescriptor descriptor;
    CountedString statement;
    CountedString modifiers;
    db2ExportIn exportIn;
};
