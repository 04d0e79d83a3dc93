// Load's partitioned-load options (db2PartLoadIn), read from the Java command and owned with
// everything they point to: the two partition lists, the port range and the numeric options.
//
// A null partition collection means no list (DB2's default). The port range "6000:6063" gives
// 6000 to 6063, "6000" gives 6000 to 6000 and "" gives 0 to 0; ports are 16-bit, and a port that
// is not a number or above 65535 is refused with a message. Numeric options that do not fit
// their 16-bit fields are refused too.
#pragma once

#include "bridge/javaobject.h"
#include "commands/partitionlist.h"
#include "db2api/db2structs.h"
#include "base/stdafx.h"

class PartitionedLoad {
  public:
    PartitionedLoad();
    PartitionedLoad(const PartitionedLoad&) = delete;
    PartitionedLoad& operator=(const PartitionedLoad&) = delete;

    // Reads the partitioned getters of `load` and builds the options. False with an exception
    // pending (Java's own, or the refusal raised as an SQLException).
    bool read(const tarvinex::JavaObject& load);

    // The options, or null until read() succeeded.
    db2PartLoadIn* get() { return present ? &options : nullptr; }

    // "a:b", "a" or "" as a port range; false with the refusal in `why`.
    static bool parsePortRange(const t_string& text, db2LoadPortRange& out, t_string& why);

  private:
    void readNumbers(const tarvinex::JavaObject& load);
    void fill();

    db2PartLoadIn options;
    t_string partFileLocation;
    t_string mapFileInput;
    t_string mapFileOutput;
    t_string distfile;
    PartitionList outputNodes;
    PartitionList partitioningNodes;
    db2LoadPortRange portRange;
    db2Uint16 mode = 0;
    db2Uint16 maxNumPartAgents = 0;
    db2Uint16 isolatePartErrs = 0;
    db2Uint16 statusInterval = 0;
    db2Uint16 checkTruncation = 0;
    db2Uint16 trace = 0;
    db2Uint16 newline = 0;
    db2Uint16 omitHeader = 0;
    SQL_PDB_NODE_TYPE runStatDBPartNum = 0;
    bool present = false;
};
