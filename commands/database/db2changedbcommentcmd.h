// CHANGE DATABASE COMMENT: rewrites the comment of an alias in the system database directory, on
// a context of its own. The path is read but never sent: DB2 always gets "" (the local
// directory).
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"

class CDB2ChangeDBCommentCmd : public CDB2CmdBase {
  public:
    CDB2ChangeDBCommentCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                           const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    t_string alias;
    t_string comment;
    t_string path;
    PrivateAPIContext ctx;
};
