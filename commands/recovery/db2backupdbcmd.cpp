#include "commands/recovery/db2backupdbcmd.h"

#include "commands/database/nullabletext.h"
#include "commands/fieldnumber.h"
#include "commands/recovery/recoveryversion.h"
#include "commands/recovery/storedorprivatecontext.h"
#include "commands/utilityversion.h"
#include "db2api/db2api.h"

namespace {

const char kClassName[] = "DB2CommandBackupDB";

}  // namespace

CDB2BackupDBCmd::CDB2BackupDBCmd(const tarvinex::JavaObject& command,
                                 const tarvinex::JavaObject& context,
                                 const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

db2Uint32 CDB2BackupDBCmd::options(const Choices& choices) {
    db2Uint32 bits = choices.online ? DB2BACKUP_ONLINE : DB2BACKUP_OFFLINE;
    if (choices.tablespaceLevel) {
        bits |= DB2BACKUP_TABLESPACE;
    }
    if (choices.incremental) {
        bits |= choices.delta ? DB2BACKUP_DELTA : DB2BACKUP_INCREMENTAL;
    }
    if (choices.compress) {
        bits |= choices.excludeComprLib ? DB2BACKUP_COMPRESS | DB2BACKUP_EXCLUDE_COMPR_LIB
                                        : DB2BACKUP_COMPRESS;
    }
    return bits;
}

char CDB2BackupDBCmd::mediaKind(bool xbsa, bool tsm, bool library, bool directories) {
    if (xbsa) {
        return SQLU_XBSA_MEDIA;
    }
    if (tsm) {
        return SQLU_TSM_MEDIA;
    }
    if (library) {
        return SQLU_OTHER_MEDIA;
    }
    return directories ? SQLU_LOCAL_MEDIA : SQLU_USER_EXIT;
}

bool CDB2BackupDBCmd::SetupData() {
    if (!RecoveryVersion::read(contextObj, version)) {
        return false;
    }
    const tarvinex::JavaObject backup(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName(kClassName).c_str());
    dbAlias = backup.callStringMethod("getDatabaseAlias");
    username = backup.callStringMethod("getUsername");
    password = backup.callStringMethod("getPassword");
    if (!FieldNumber::readInteger(backup, "getBufferSize", 0, bufferSize) ||
        !FieldNumber::readInteger(backup, "getNumBuffers", 0, numBuffers) ||
        !FieldNumber::readInteger(backup, "getParallelism", 0, parallelism) ||
        !FieldNumber::readInteger(backup, "getUtilImpactPriority", 0, utilImpactPriority)) {
        return false;
    }
    comprLibrary = backup.callStringMethod("getComprLibName");
    comprOptions = backup.callStringMethod("getComprOptions");
    const t_string optionsFile = backup.callStringMethod("getOptionsFilename");
    vendorOptions =
        RecoveryMedia::vendorOptions(optionsFile, backup.callStringMethod("getOptionsString"));
    loadLibraryName = backup.callStringMethod("getLoadLibraryName");
    numSessions = backup.callIntegerMethod("getNumSessions", 0);
    callerAction =
        backup.callboolMethod("isWithoutPrompting") ? DB2BACKUP_NOINTERRUPT : DB2BACKUP_BACKUP;
    const tarvinex::JavaObject tablespaceCollection =
        backup.callCollectionMethod("getTablespaceList");
    if (!tablespaces.read(tablespaceCollection, "table space list")) {
        return false;
    }
    if (!readTargets(backup)) {
        return false;
    }
    readOptions(backup, !tablespaceCollection.isNull());
    return true;
}

bool CDB2BackupDBCmd::readTargets(const tarvinex::JavaObject& backup) {
    const tarvinex::JavaObject directories = backup.callCollectionMethod("getDirectoryList");
    if (!loadLibraryName.empty()) {
        media.useLibrary(loadLibraryName);  // whatever the directory collection holds
    } else if (!media.readDirectories(directories, "directory list")) {
        return false;
    }
    // The kind is read after the options; kept here until then.
    media.setKind(directories.isNull() ? SQLU_USER_EXIT : SQLU_LOCAL_MEDIA);
    return true;
}

void CDB2BackupDBCmd::readOptions(const tarvinex::JavaObject& backup, bool tablespaceLevel) {
    Choices choices;
    choices.online = backup.callboolMethod("isOnline");
    choices.tablespaceLevel = tablespaceLevel;
    choices.incremental = backup.callboolMethod("isIncremental");
    choices.delta = backup.callboolMethod("isDelta");
    choices.compress = backup.callboolMethod("isCompress");
    choices.excludeComprLib = backup.callboolMethod("isExcludeComprLib");
    static_cast<void>(backup.callboolMethod("isIncludeLogs"));  // read; db2Backup has no field
    optionBits = options(choices);
    const bool xbsa = backup.callboolMethod("isUseXBSA");
    const bool tsm = !xbsa && backup.callboolMethod("isUseTSM");
    media.setKind(mediaKind(xbsa, tsm, !loadLibraryName.empty(), media.kind() == SQLU_LOCAL_MEDIA));
}

bool CDB2BackupDBCmd::SetupContext() {
    return StoredOrPrivateContext::setup(*this, {contextObj.getDatabaseConnectionContext()}, ctx);
}

void CDB2BackupDBCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2BackupDBCmd::CallDB2API() {
    tablespaceList.tablespaces = tablespaces.data();
    tablespaceList.numTablespaces = static_cast<db2Uint32>(tablespaces.size());
    db2BackupStruct parms{};
    parms.piDBAlias = textOrNull(dbAlias);
    parms.piUsername = textOrNull(username);
    parms.piPassword = textOrNull(password);
    parms.piTablespaceList = &tablespaceList;
    parms.piMediaList = media.get();
    parms.piVendorOptions = textOrNull(vendorOptions);
    parms.iVendorOptionsSize = static_cast<db2Uint32>(vendorOptions.size());
    parms.iCallerAction = callerAction;
    parms.iBufferSize = bufferSize;
    parms.iNumBuffers = numBuffers;
    parms.iParallelism = parallelism;
    parms.iOptions = optionBits;
    parms.iUtilImpactPriority = utilImpactPriority;
    parms.piComprLibrary = textOrNull(comprLibrary);
    parms.piComprOptions = textOrNull(comprOptions);
    parms.iComprOptionsSize = static_cast<db2Uint32>(comprOptions.size());
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().BackupDB(UtilityVersion::apiLevel(version), &parms, &ca);
    return checkDB2Call(rc, ca);
}
