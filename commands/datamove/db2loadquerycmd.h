// LOAD QUERY: the progress and state of the load on a table, as one result row, on the run-time
// context's database connection. A warning from DB2 still gives the row; a failure to write the
// row fails the command.
#pragma once

#include "commands/db2cmdbase.h"
#include "db2api/db2structs.h"

class CDB2LoadQueryCmd : public CDB2CmdBase {
  public:
    CDB2LoadQueryCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                     const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;
    bool BuildResultSet() override;

    // The texts of the row's first two columns.
    static const char* tableStateText(db2Uint32 state);
    static const char* phaseText(db2Uint32 phase);

  private:
    int version = 0;
    sqlca ca;
    db2Uint32 iStringType = DB2LOADQUERY_TABLENAME;
    t_string tableName;
    db2Uint32 iShowLoadMessages = 0;
    t_string iLocalMessageFile;
    db2LoadQueryOutputStruct output;
};
