// The DB2 version a recovery utility talks to. Backup, restore, rollforward and the history
// commands often run with no database connection (a database being restored or rolled forward
// cannot be connected to), so the database server's version may be unknown: then the attached
// instance's version stands in for it, and with no attachment either, the client's own. A known
// version below 7 is refused as UtilityVersion refuses it.
#pragma once

#include "bridge/db2commandruntimecontext.h"

class RecoveryVersion {
  public:
    RecoveryVersion() = delete;

    // The effective version of the client and the best known server version: the database's,
    // else the instance's, else the client's.
    static int effective(double client, double instance, double database);
    // Reads the versions into `version`. False when a getter left a Java exception pending, or,
    // after raising UtilityVersion's refusal, when the version is below 7.
    static bool read(const tarvinex::DB2CommandRuntimeContext& context, int& version);
};
