// AUTOCONFIGURE: asks DB2 to recommend database, database-manager and buffer-pool settings for
// the connected database from a description of its workload, applies them as the apply type
// says, and lists old and recommended values as rows.
#pragma once

#include "commands/db2cmdbase.h"

class CDB2AutoConfigureCmd : public CDB2CmdBase {
  public:
    CDB2AutoConfigureCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                         const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    void readWorkload(const tarvinex::JavaObject& command);

    int numElement = 0;
    int applyMode = 0;
    t_string alias;
    bool isV8 = false;
    db2Uint32 version = 0;
    int mem_percent = 0;
    int workload_type = 0;
    int num_stmts = 0;
    int tpm = 0;
    int admin_priority = 0;
    int is_populated = 0;
    int num_local_apps = 0;
    int num_remote_apps = 0;
    int isolation = 0;
    int bp_resizable = 0;
};
