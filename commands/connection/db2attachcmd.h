// ATTACH: attaches a DB2 context to an instance, returns the server facts DB2 answers with (one
// row, also stored in the run-time context) and hands the context to Java as the instance
// connection context.
//
// A context already stored is reused and stays stored; otherwise the command creates one, which
// Java keeps on success and which is detached and ended on failure (a Java setter that throws
// included), so a failed attach changes nothing.
#pragma once

#include "commands/createdcontext.h"
#include "commands/db2cmdbase.h"

class AttachReply;

class CDB2AttachCmd : public CDB2CmdBase {
  public:
    CDB2AttachCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                  const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

    // Adds the result columns SERVER, PLATFORM, VERSION, AUTH ID, ALIAS.
    void SetupColumnInfo();

  private:
    // Picks the partition for the attach (when nodeId is not -1).
    bool setPartition();
    bool attachNode();
    // Stores the reply's facts in the run-time context and writes the result row.
    void publish(const AttachReply& reply);

    t_string instance;
    t_string userid;
    t_string passwd;
    int nodeId = -1;
    void* ctx = nullptr;     // the context in use, stored or created
    CreatedContext created;  // set only when this command made ctx
};
