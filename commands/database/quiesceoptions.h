// The defer / force / time-out trio that QUIESCE DATABASE and QUIESCE INSTANCE both read.
#pragma once

#include "bridge/javaobject.h"
#include "db2api/db2types.h"

struct QuiesceOptions {
    db2Uint32 defer = 0;
    db2Uint32 force = 0;
    db2Uint32 timeout = 0;  // minutes; 0 when the Java side gives none

    // Reads getDefer and getForce (Boolean, null is false) and getTimeOut (Integer, null is 0).
    static QuiesceOptions read(const tarvinex::JavaObject& command);

    // DB2 wants "immediate", the opposite of defer.
    db2Uint32 immediate() const { return defer == 0 ? 1 : 0; }
};
