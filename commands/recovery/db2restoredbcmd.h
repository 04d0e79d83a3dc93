// RESTORE DATABASE: a database, table spaces, the history file, the compression library or the
// logs from a backup image, into the same or a new database; redirected, incremental and rebuild
// restores. Runs on the stored database connection, else the instance attachment, else a context
// of its own, ended on every path. A table space list the chosen restore needs must be given: a
// restore never runs on a partly read request.
#pragma once

#include <optional>

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"
#include "commands/recovery/recoverymedia.h"
#include "commands/stringarray.h"
#include "db2api/db2structs.h"

class CDB2RestoreDBCmd : public CDB2CmdBase {
  public:
    CDB2RestoreDBCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                     const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

    // What the restore option text asks for: one of DB2RESTORE_DB, _TABLESPACE, _HISTORY,
    // _COMPR_LIB, _LOGS; "REBUILD_WITH" is database level with a rebuild value.
    static db2Uint32 restoreKind(const t_string& option, bool& rebuild);
    // The rebuild value of a rebuild text and whether a rebuild list was given; 0 for a text
    // that names no rebuild.
    static db2Uint32 rebuildValue(const t_string& rebuildText, bool listGiven);
    // Whether the rebuild value takes its table spaces from the rebuild list.
    static bool rebuildReadsList(db2Uint32 rebuild);

  private:
    void readCallerAction(const tarvinex::JavaObject& restore);
    // The option bits; `rebuildList` gets the rebuild collection when the rebuild text is read.
    void readOptions(const tarvinex::JavaObject& restore,
                     std::optional<tarvinex::JavaObject>& rebuildList);
    bool readTablespaces(const tarvinex::JavaObject& restore,
                         const std::optional<tarvinex::JavaObject>& rebuildList);
    bool readMedia(const tarvinex::JavaObject& restore);

    int version = 0;
    PrivateAPIContext ctx;
    t_string sourceAlias, targetAlias, timestamp, targetPath, reportFile;
    t_string username, password, newLogPath, vendorOptions;
    t_string comprLibrary, comprOptions, logTarget, redirectScript;
    db2Uint32 parallelism = 0, bufferSize = 0, numBuffers = 0;
    db2Uint32 callerAction = DB2RESTORE_RESTORE;
    db2Uint32 optionBits = 0;
    StringArray tablespaces;
    StringArray storagePaths;
    RecoveryMedia media;
    db2TablespaceStruct tablespaceList{};
    db2StoragePathsStruct storagePathList{};
};
