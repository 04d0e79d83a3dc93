// BACKUP DATABASE: a whole database or some table spaces, online or offline, full, incremental
// or delta, to directories, TSM, an XBSA product, a vendor library or a user exit. Runs on the
// stored database connection when there is one, otherwise on a context of its own (an offline
// backup needs no connection), which is ended on every path.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"
#include "commands/recovery/recoverymedia.h"
#include "commands/stringarray.h"
#include "db2api/db2structs.h"

class CDB2BackupDBCmd : public CDB2CmdBase {
  public:
    CDB2BackupDBCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                    const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

    // The option bits of the choices read from Java.
    struct Choices {
        bool online = false;
        bool tablespaceLevel = false;  // a table space collection was given, even an empty one
        bool incremental = false;
        bool delta = false;
        bool compress = false;
        bool excludeComprLib = false;
    };
    static db2Uint32 options(const Choices& choices);
    // The media kind: XBSA, TSM, the vendor library, the directories, else the user exit.
    static char mediaKind(bool xbsa, bool tsm, bool library, bool directories);

  private:
    bool readTargets(const tarvinex::JavaObject& backup);
    void readOptions(const tarvinex::JavaObject& backup, bool tablespaceLevel);

    int version = 0;
    PrivateAPIContext ctx;
    t_string dbAlias, username, password;
    db2Uint32 callerAction = DB2BACKUP_BACKUP;
    db2Uint32 bufferSize = 0, numBuffers = 0, parallelism = 0, utilImpactPriority = 0;
    db2Uint32 optionBits = 0;
    t_string comprLibrary, comprOptions, vendorOptions, loadLibraryName;
    int numSessions = 0;  // read, and not passed: db2Backup takes sessions from the media
    StringArray tablespaces;
    RecoveryMedia media;
    db2TablespaceStruct tablespaceList{};
};
