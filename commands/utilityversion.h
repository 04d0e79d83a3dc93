// The DB2 version a utility command talks to, and the API level it passes to DB2's versioned
// entry points.
//
// The effective version is the smaller of the client's and the database server's short versions,
// each cut to its whole part: client 9.1 with server 8.2 gives 8. Version 7 is the lowest this
// library drives; below it (an unknown server version reads as 0) the command is refused with a
// message instead of doing nothing and reporting success.
#pragma once

#include "bridge/db2commandruntimecontext.h"
#include "db2api/db2types.h"
#include "base/stdafx.h"

class UtilityVersion {
  public:
    UtilityVersion() = delete;

    static constexpr int kLowest = 7;
    static constexpr db2Uint32 kLevel8 = 8010000;
    static constexpr db2Uint32 kLevel9 = 9000000;

    // min(whole part of client, whole part of database); a negative, NaN or absurd version
    // counts as 0.
    static int effective(double clientVersion, double databaseVersion);
    // 9000000 for version 9 and above, 8010000 below.
    static db2Uint32 apiLevel(int version);
    // "Unsupported DB2 version <v>: version 7 or later is needed".
    static t_string refusal(int version);
    // True for version 7 and later; otherwise raises refusal() and gives false.
    static bool supported(JNIEnv* env, int version);

    // Reads getClientVersion and getDatabaseVersion into `version`. False when a getter left a
    // Java exception pending, or, after raising refusal(), when the version is below 7.
    static bool read(const tarvinex::DB2CommandRuntimeContext& context, int& version);
};
