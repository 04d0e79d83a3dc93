// What the recovery entry points ask of a database: which one a call names (after the checks
// each makes), whether it is in use, recoverable or pending a rollforward, its table spaces.
#pragma once

#include <string>
#include <vector>

#include "db2sim/database/databases.h"

namespace db2sim {

struct RecoveryRefusal {
    int sqlcode = 0;
    std::vector<std::string> tokens;
};

class RecoveryDatabase {
  public:
    // The database of the instance with that alias: a running manager, a named alias, known
    // credentials (no user: the process's own). Null with `refusal` set otherwise.
    static Database* find(const char* alias, const char* user, const char* password,
                          RecoveryRefusal& refusal);
    // The names of every database of the instance.
    static std::vector<std::string> names();

    // Connected to or activated.
    static bool inUse(const std::string& name);
    // Archive logging: logretain, userexit or logarchmeth1 set.
    static bool recoverable(const std::string& name);
    static bool trackmod(const std::string& name);
    // rollfwd_pending: 0 none, 1 the database, 2 table spaces.
    static int rollforwardPending(const std::string& name);
    static void setRollforwardPending(const std::string& name, int pending);

    // Names of the database's table spaces, in id order; DB2's three when it has no file.
    static std::vector<std::string> tablespaces(const std::string& name);

    // "*LOCAL.<instance>.<yymmddhhmmss>", as a local utility's application id reads.
    static std::string applicationId(const std::string& timestamp);
};

}  // namespace db2sim
