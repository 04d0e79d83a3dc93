// LOAD: loads a table in bulk from files, from a cursor's statement or through a source user
// exit, optionally with a load copy and partitioned-load options. Runs on the run-time context's
// database connection, else on its instance attachment.
//
// db2Load at 8010000 below version 9 and 9000000 from version 9 on. Every list and number is
// checked while the parameters are read, so a malformed one stops the command before any DB2
// call. Each load leaves the table quiesced (iHoldQuiesce 1), as callers have always had it.
#pragma once

#include "commands/countedstring.h"
#include "commands/datamove/columndescriptor.h"
#include "commands/datamove/loaduserexit.h"
#include "commands/datamove/nullindicators.h"
#include "commands/datamove/partitionedload.h"
#include "commands/db2cmdbase.h"
#include "commands/medialist.h"

class CDB2LoadCmd : public CDB2CmdBase {
  public:
    CDB2LoadCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    void readSources(const tarvinex::JavaObject& load);
    void readOptions(const tarvinex::JavaObject& load);
    void readUserExit(const tarvinex::JavaObject& load);
    // Builds the DB2 structures from what was read; false after raising the refusal.
    bool build();
    bool buildSourceList(t_string& why);
    bool buildCopyTarget(t_string& why);
    void fillLoadIn();

    int version = 0;
    sqlca ca;
    bool isClient = false;
    bool copy = false;
    sqlint32 numSessions = 1;
    bool copyUseTsm = false;
    bool copyUseLocal = false;
    bool copyUseLoad = false;
    t_string loadLibName;
    t_string strSourceList;
    t_string strLobPathList;
    bool methodLocations = false;
    bool methodNames = false;
    bool methodPositions = false;
    t_string strDataDescriptor;
    t_string actionString;
    t_string fileType;
    t_string strFileTypeMod;
    t_string localMsgFileName;
    t_string tempFilesPath;
    t_string strCopyTargetList;
    t_string strNullIndicatorList;
    db2Uint64 iRowcount = 0;
    t_string useTablespace;
    db2Uint32 iSavecount = 0;
    db2Uint32 iDataBufferSize = 0;
    db2Uint32 iSortBufferSize = 0;
    db2Uint32 iWarningcount = 0;
    db2Uint16 iCpuParallelism = 0;
    db2Uint16 iDiskParallelism = 0;
    db2Uint16 iNonrecoverable = 0;
    db2Uint16 iIndexingMode = 0;
    db2Uint16 iAccessLevel = 0;
    db2Uint16 iLockWithForce = 0;
    char iStatsOpt = SQLU_STATS_NONE;
    bool integrityPending = false;
    db2Uint16 iSetIntegrityPending = 0;
    t_string sourceUserExitCmd;
    t_string inputStream;
    t_string inputFileName;
    t_string outputFileName;
    bool enableParallelism = false;
    bool doPartLoad = false;

    MediaList sourceList;
    MediaList lobPaths;
    MediaList copyTarget;
    bool hasCopyTarget = false;
    ColumnDescriptor descriptor;
    CountedString action;
    CountedString modifiers;
    NullIndicators nullIndicators;
    LoadUserExit userExit;
    PartitionedLoad partitioned;
    db2LoadIn loadIn;
};
