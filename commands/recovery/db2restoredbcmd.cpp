#include "commands/recovery/db2restoredbcmd.h"

#include "commands/database/nullabletext.h"
#include "commands/fieldnumber.h"
#include "commands/recovery/recoveryversion.h"
#include "commands/recovery/storedorprivatecontext.h"
#include "commands/utilityversion.h"
#include "db2api/db2api.h"

namespace {

const char kClassName[] = "DB2CommandRestoreDB";

}  // namespace

CDB2RestoreDBCmd::CDB2RestoreDBCmd(const tarvinex::JavaObject& command,
                                   const tarvinex::JavaObject& context,
                                   const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

db2Uint32 CDB2RestoreDBCmd::restoreKind(const t_string& option, bool& rebuild) {
    rebuild = option == "REBUILD_WITH";
    if (option == "TABLESPACE") {
        return DB2RESTORE_TABLESPACE;
    }
    if (option == "HISTORY_FILE") {
        return DB2RESTORE_HISTORY;
    }
    if (option == "COMPRESSION_LIBRARY") {
        return DB2RESTORE_COMPR_LIB;
    }
    if (option == "LOGS") {
        return DB2RESTORE_LOGS;
    }
    return DB2RESTORE_DB;
}

db2Uint32 CDB2RestoreDBCmd::rebuildValue(const t_string& rebuildText, bool listGiven) {
    if (rebuildText.empty()) {
        return DB2RESTORE_ALL_TBSP_IN_LIST;
    }
    if (rebuildText == "ALL_TABLESPACES_IN_DATABASE") {
        return listGiven ? DB2RESTORE_ALL_TBSP_IN_DB_EXC : DB2RESTORE_ALL_TBSP_IN_DB;
    }
    if (rebuildText == "ALL_TABLESPACES_IN_IMAGE") {
        return listGiven ? DB2RESTORE_ALL_TBSP_IN_IMG_EXC : DB2RESTORE_ALL_TBSP_IN_IMG;
    }
    return 0;
}

bool CDB2RestoreDBCmd::rebuildReadsList(db2Uint32 rebuild) {
    return rebuild == DB2RESTORE_ALL_TBSP_IN_LIST || rebuild == DB2RESTORE_ALL_TBSP_IN_DB_EXC ||
           rebuild == DB2RESTORE_ALL_TBSP_IN_IMG_EXC;
}

bool CDB2RestoreDBCmd::SetupData() {
    if (!RecoveryVersion::read(contextObj, version)) {
        return false;
    }
    const tarvinex::JavaObject restore(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName(kClassName).c_str());
    sourceAlias = restore.callStringMethod("getDbAlias");
    targetAlias = restore.callStringMethod("getTargetDBAlias");
    timestamp = restore.callStringMethod("getDateTime");
    targetPath = restore.callStringMethod("getDbPathOnTargetDirectory");
    reportFile = restore.callStringMethod("getDlReportFilename");
    username = restore.callStringMethod("getUserName");
    password = restore.callStringMethod("getPassword");
    newLogPath = restore.callStringMethod("getNewLogPathDirectory");
    const t_string optionsFile = restore.callStringMethod("getOptionsFilename");
    vendorOptions =
        RecoveryMedia::vendorOptions(optionsFile, restore.callStringMethod("getOptionsString"));
    if (!FieldNumber::readInteger(restore, "getParallelism", 0, parallelism) ||
        !FieldNumber::readInteger(restore, "getBufferSize", 0, bufferSize) ||
        !FieldNumber::readInteger(restore, "getNumBuffers", 0, numBuffers)) {
        return false;
    }
    comprLibrary = restore.callStringMethod("getComprLib");
    comprOptions = restore.callStringMethod("getComprOpts");
    logTarget = restore.callStringMethod("getLogTargetDirectory");
    if (version >= 9) {
        redirectScript = restore.callStringMethod("getRedirectGenerateScript");
    }
    readCallerAction(restore);
    std::optional<tarvinex::JavaObject> rebuildList;
    readOptions(restore, rebuildList);
    return readTablespaces(restore, rebuildList) && readMedia(restore) &&
           storagePaths.read(restore.callCollectionMethod("getStoragePathList"),
                             "storage path list");
}

void CDB2RestoreDBCmd::readCallerAction(const tarvinex::JavaObject& restore) {
    if (restore.callboolMethod("isContinueRestore")) {
        callerAction = DB2RESTORE_CONTINUE;
    } else if (restore.callboolMethod("isAbortRestore")) {
        callerAction = DB2RESTORE_TERMINATE;
    } else if (restore.callboolMethod("isWithoutPrompting")) {
        callerAction = DB2RESTORE_NOINTERRUPT;
    } else {
        callerAction = DB2RESTORE_RESTORE;
    }
}

void CDB2RestoreDBCmd::readOptions(const tarvinex::JavaObject& restore,
                                   std::optional<tarvinex::JavaObject>& rebuildList) {
    optionBits = restore.callboolMethod("isOnline") ? DB2RESTORE_ONLINE : DB2RESTORE_OFFLINE;
    bool rebuild = false;
    optionBits |= restoreKind(restore.callStringMethod("getRestoreOptionString"), rebuild);
    if (rebuild) {
        const t_string rebuildText = restore.callStringMethod("getRebuildOptionString");
        rebuildList.emplace(restore.callCollectionMethod("getRebuildTablespaceList"));
        optionBits |= rebuildValue(rebuildText, !rebuildList->isNull());
    }
    if (restore.callboolMethod("isIncremental")) {
        optionBits |= DB2RESTORE_INCREMENTAL;
    }
    const t_string incremental = restore.callStringMethod("getIncrementalOptionString");
    if (incremental == "AUTOMATIC") {
        optionBits |= DB2RESTORE_INCREMENTAL_AUTO;
    } else if (incremental == "ABORT") {
        callerAction = DB2RESTORE_TERMINATE_INCRE;
    }
    if (restore.callboolMethod("isWithoutDatalink")) {
        optionBits |= DB2RESTORE_NODATALINK;
    }
    if (restore.callboolMethod("isWithoutRollingForward")) {
        optionBits |= DB2RESTORE_NOROLLFWD;
    }
    if (!redirectScript.empty()) {
        optionBits |= DB2RESTORE_GENERATE_SCRIPT;
    }
}

bool CDB2RestoreDBCmd::readTablespaces(const tarvinex::JavaObject& restore,
                                       const std::optional<tarvinex::JavaObject>& rebuildList) {
    const tarvinex::JavaObject named = restore.callCollectionMethod("getTablespaceList");
    const db2Uint32 rebuild = optionBits & DB2RESTORE_REBUILD_MASK;
    const bool fromRebuild = rebuildList.has_value() && rebuildReadsList(rebuild);
    const bool fromNamed =
        !fromRebuild && (optionBits & DB2RESTORE_KIND_MASK) == DB2RESTORE_TABLESPACE;
    if (!fromRebuild && !fromNamed) {
        return true;
    }
    const tarvinex::JavaObject& source = fromRebuild ? *rebuildList : named;
    if (ExceptionOccurred()) {
        return false;
    }
    if (source.isNull()) {
        throwJavaException(fromRebuild ? "This restore rebuilds from the listed table spaces: "
                                         "getRebuildTablespaceList() returned null"
                                       : "A table space restore needs its table spaces: "
                                         "getTablespaceList() returned null");
        return false;
    }
    return tablespaces.read(source, fromRebuild ? "rebuild table space list" : "table space list");
}

bool CDB2RestoreDBCmd::readMedia(const tarvinex::JavaObject& restore) {
    const tarvinex::JavaObject directories = restore.callCollectionMethod("getDirectoryList");
    const t_string library = restore.callStringMethod("getLoadLibraryName");
    if (restore.callboolMethod("isUseXBSA")) {
        media.setKind(SQLU_XBSA_MEDIA);
    } else if (restore.callboolMethod("isUseTSM")) {
        media.setKind(SQLU_TSM_MEDIA);
    } else if (!library.empty()) {
        media.setKind(SQLU_OTHER_MEDIA);
        media.useLibrary(library);
    } else if (directories.isNull()) {
        media.setKind(SQLU_USER_EXIT);
    } else {
        media.setKind(SQLU_LOCAL_MEDIA);
        return media.readDirectories(directories, "directory list");
    }
    return true;
}

bool CDB2RestoreDBCmd::SetupContext() {
    const int database = contextObj.getDatabaseConnectionContext();
    const int instance = contextObj.getInstanceConnectionContext();
    return StoredOrPrivateContext::setup(*this, {database, instance}, ctx);
}

void CDB2RestoreDBCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2RestoreDBCmd::CallDB2API() {
    tablespaceList.tablespaces = tablespaces.data();
    tablespaceList.numTablespaces = static_cast<db2Uint32>(tablespaces.size());
    storagePathList.storagePaths = storagePaths.data();
    storagePathList.numStoragePaths = static_cast<db2Uint32>(storagePaths.size());
    db2RestoreStruct parms{};
    parms.piSourceDBAlias = textOrNull(sourceAlias);
    parms.piTargetDBAlias = textOrNull(targetAlias);
    parms.piTimestamp = textOrNull(timestamp);
    parms.piTargetDBPath = textOrNull(targetPath);
    parms.piReportFile = textOrNull(reportFile);
    parms.piTablespaceList = &tablespaceList;
    parms.piMediaList = media.get();
    parms.piUsername = textOrNull(username);
    parms.piPassword = textOrNull(password);
    parms.piNewLogPath = textOrNull(newLogPath);
    parms.piVendorOptions = textOrNull(vendorOptions);
    parms.iVendorOptionsSize = static_cast<db2Uint32>(vendorOptions.size());
    parms.iParallelism = parallelism;
    parms.iBufferSize = bufferSize;
    parms.iNumBuffers = numBuffers;
    parms.iCallerAction = callerAction;
    parms.iOptions = optionBits;
    parms.piComprLibrary = textOrNull(comprLibrary);
    parms.piComprOptions = textOrNull(comprOptions);
    parms.iComprOptionsSize = static_cast<db2Uint32>(comprOptions.size());
    parms.piLogTarget = textOrNull(logTarget);
    parms.piStoragePaths = &storagePathList;
    parms.piRedirectScript = version >= 9 ? textOrNull(redirectScript) : nullptr;
    sqlca ca = zeroedSqlca();
    const int rc =
        db2::DB2API::Instance().RestoreDB(UtilityVersion::apiLevel(version), &parms, &ca);
    return checkDB2Call(rc, ca);
}
