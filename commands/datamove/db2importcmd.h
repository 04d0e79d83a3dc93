// IMPORT: inserts or updates a table's rows from a data file on the client, on the run-time
// context's database connection.
//
// Version 8 and later call db2Import (9000000 from version 9, with the XML options); version 7
// calls sqluimpr with the same pieces; below 7 (an unknown server version) there is no interface
// and the command is refused. Every list is checked while the parameters are read, so a
// malformed one stops the command before any DB2 call.
#pragma once

#include "commands/countedstring.h"
#include "commands/datamove/columndescriptor.h"
#include "commands/datamove/nullindicators.h"
#include "commands/datamove/xmlvalidation.h"
#include "commands/db2cmdbase.h"
#include "commands/medialist.h"

class CDB2ImportCmd : public CDB2CmdBase {
  public:
    CDB2ImportCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                  const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    void readOptions(const tarvinex::JavaObject& import);
    void readXmlOptions(const tarvinex::JavaObject& import);
    // Builds the DB2 structures from what was read; false after raising the refusal.
    bool build();
    bool buildXml(t_string& why);
    bool callImport();
    bool callImportV7();

    int version = 0;
    sqlca ca;
    t_string filename;
    t_string filetype;
    t_string msgFilename;
    t_string fileTypeModList;
    t_string actionString;
    t_string nullIndicatorListStr;
    bool methodLocations = false;
    bool methodNames = false;
    bool methodPositions = false;
    t_string columnStartEndStr;
    t_string columnNameStr;
    t_string columnPosStr;
    t_string lobPathListStr;
    t_string xmlPathStr;
    bool doXmlValidate = false;
    bool xds = false;
    t_string schemaSqlid;
    t_string ignoreSchemaSqlidStr;
    t_string mapSchemaSqlidStr;
    db2Uint64 restartCount = 0;
    db2Uint64 rowCount = 0;
    db2Uint32 warningCount = 0;
    db2int32 commitCount = -1;
    db2Uint16 noTimeout = 0;
    db2Uint16 accessLevel = 0;
    db2Uint16 xmlParse = 0;

    MediaList lobPaths;
    MediaList xmlPaths;
    ColumnDescriptor descriptor;
    CountedString action;
    CountedString modifiers;
    NullIndicators nullIndicators;
    XmlValidation xmlValidation;
};
