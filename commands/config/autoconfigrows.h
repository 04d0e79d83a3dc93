// The result rows of auto-configure: diagnostics, database values, database-manager values and
// buffer pools, in that order, each group only when DB2 returned entries for it. Names, briefs
// and value texts come from the command's parameter catalogue.
//
// Lists are read defensively: a null array counts as empty, and old and new lists are paired
// only up to the shorter of the two.
#pragma once

#include "bridge/db2apidatacontainer.h"
#include "bridge/javaobject.h"
#include "commands/rowlisting.h"
#include "db2api/db2structs.h"
#include "base/stdafx.h"

class AutoConfigRows {
  public:
    // factory: the command object seen as the parameter factory. version: the client version
    // with revision. isV8: configuration entries are sqlfupd items rather than db2CfgParam.
    AutoConfigRows(const tarvinex::JavaObject& factory, const DB2APIDataContainer& container,
                   double version, bool isV8, int applyMode);

    // The seven columns. False when Java failed while they were added (its exception pending).
    bool AddColumns();
    // False when a row could not be written; the Java exception is then pending.
    bool AddAll(const db2AutoConfigOutput& out);

  private:
    struct Item {
        int token;
        char* value;
    };

    void addDiagnostics(const db2AutoConfigDiags& diags);
    void addConfig(const db2ConfigValues& oldValues, const db2ConfigValues& newValues, bool isDbm);
    void addBufferPools(const db2BpValues& oldValues, const db2BpValues& newValues);
    Item itemAt(const db2ConfigValues& values, db2Uint32 i) const;
    t_string translate(int token, const t_string& raw) const;
    const char* applied(bool isDbm) const;

    tarvinex::JavaObject factory;
    RowListing listing;
    double version;
    bool isV8;
    int applyMode;
};
