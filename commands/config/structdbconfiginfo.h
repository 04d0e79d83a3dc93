// One configuration parameter as the Java catalogue describes it, and how its value buffer is laid
// out. Descriptors own their texts.
#pragma once

#include "base/stdafx.h"

// Stored as an int in descriptors, so any value read back is a valid object of the type.
enum DBConfigInfoDataType : int {
    CharString = 0,    // characters ending in NUL
    Uint16 = 1,        // unsigned 16-bit
    Uint16_YesNo = 2,  // unsigned 16-bit shown as "Yes"/"No"; no catalogue type name maps to it
    Sint16 = 3,
    Uint32 = 4,
    Sint32 = 5,
    Uint64 = 6,
    Float = 7,  // 32-bit IEEE
    NotAToken = 8,
};

struct StructDBConfigInfo {
    t_string name;
    int token = 0;
    DBConfigInfoDataType DataType = NotAToken;
    int DataSize = 0;  // CharString: the most characters of a value
    int level = 0;
    bool Modifiable = false;
    t_string brief;
    int online = 0;
    int CanAutoChange = 0;
    t_string impact;
};
