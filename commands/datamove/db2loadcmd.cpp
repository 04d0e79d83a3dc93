#include "commands/datamove/db2loadcmd.h"

#include <strings.h>

#include "commands/database/nullabletext.h"
#include "commands/fieldnumber.h"
#include "commands/recovery/recoveryversion.h"
#include "commands/utilityversion.h"
#include "db2api/contexthandleregistry.h"
#include "db2api/db2api.h"
#include "db2api/db2apicontext.h"

namespace {

const char* const kRequiresConnection = "This command requires a database or instance connection!";
const char* const kDefaultMessageFile = "load_msgs.log";

// An Integer getter into a narrower DB2 field; a value the field cannot hold is refused.
template <typename Field>
void readNumber(const tarvinex::JavaObject& load, const char* getter, int defaultValue,
                Field& out) {
    const int value = load.callIntegerMethod(getter, defaultValue);
    if (load.getEnv()->ExceptionCheck() == JNI_FALSE) {
        FieldNumber::narrow(load.getEnv(), getter, value, out);
    }
}

db2Uint16 flag(jboolean value) {
    return value ? 1 : 0;
}

}  // namespace

CDB2LoadCmd::CDB2LoadCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                         const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container), loadIn{} {
    ca = zeroedSqlca();
}

bool CDB2LoadCmd::SetupData() {
    // A load may run on an instance attachment, where the database's version is unknown: the
    // instance's, else the client's, stands in for it.
    const double database = contextObj.getDatabaseVersion();
    version = RecoveryVersion::effective(contextObj.getClientVersion(),
                                         database >= 1.0 ? 0.0 : contextObj.getInstanceVersion(),
                                         database);
    const tarvinex::JavaObject load(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName("DB2CommandLoad").c_str());
    readSources(load);
    readOptions(load);
    readUserExit(load);
    doPartLoad = !load.callStringMethod("getPartitionParameters").empty();
    if (doPartLoad && !ExceptionOccurred()) {
        partitioned.read(load);
    }
    // A failed Java call leaves its exception for the caller; nothing is built from defaults.
    return ExceptionOccurred() || build();
}

void CDB2LoadCmd::readSources(const tarvinex::JavaObject& load) {
    isClient = load.callBooleanMethod("getClient", JNI_FALSE);
    copy = load.callBooleanMethod("getCopy", JNI_FALSE);  // the copy flags decide, not this
    readNumber(load, "getNumSessions", 1, numSessions);
    copyUseTsm = load.callBooleanMethod("getCopyUseTsm", JNI_FALSE);
    copyUseLocal = load.callBooleanMethod("getCopyUseLocal", JNI_FALSE);
    copyUseLoad = load.callBooleanMethod("getCopyUseLoad", JNI_FALSE);
    loadLibName = load.callStringMethod("getLoadLibName");
    strSourceList = load.callStringMethod("getFromListString");
    strLobPathList = load.callStringMethod("getLobPathListString");
    methodLocations = load.callBooleanMethod("getMethodLocations", JNI_FALSE);
    methodNames = load.callBooleanMethod("getMethodNames", JNI_FALSE);
    methodPositions = load.callBooleanMethod("getMethodPositions", JNI_FALSE);
    strDataDescriptor = load.callStringMethod("getDataDescriptorString");
    actionString = load.callStringMethod("getActionString");
    fileType = load.callStringMethod("getFileType");
    strFileTypeMod = load.callStringMethod("getModifiedBy");
    localMsgFileName = load.callStringMethod("getLocalMsgFileName");
    tempFilesPath = load.callStringMethod("getTempFilePath");
    strCopyTargetList = load.callStringMethod("getCopyTargetListString");
    strNullIndicatorList = load.callStringMethod("getNullIndicatorListString");
}

void CDB2LoadCmd::readOptions(const tarvinex::JavaObject& load) {
    const int rows = load.callIntegerMethod("getRowCount", 0);
    iRowcount = static_cast<db2Uint64>(static_cast<sqlint64>(rows));  // sign-extended
    useTablespace = load.callStringMethod("getTablespaceName");
    readNumber(load, "getSaveCount", 0, iSavecount);
    readNumber(load, "getDataBufferSize", 0, iDataBufferSize);
    readNumber(load, "getSortBufferSize", 0, iSortBufferSize);
    readNumber(load, "getWarningCount", 0, iWarningcount);
    readNumber(load, "getCpuParallelism", 0, iCpuParallelism);
    readNumber(load, "getDiskParallelism", 0, iDiskParallelism);
    iNonrecoverable = flag(load.callBooleanMethod("getNonRecoverable", JNI_FALSE));
    const int indexMode = load.getEnumValue(
        "getIndexMode",
        tarvinex::JavaObject::getDB2CommandClassName("DB2CommandLoad$EnumIndexMode").c_str(), 0);
    if (!ExceptionOccurred()) {
        FieldNumber::narrow(getEnv(), "getIndexMode", indexMode, iIndexingMode);
    }
    iAccessLevel = load.callBooleanMethod("getAllowReadAccess", JNI_FALSE) ? SQLU_ALLOW_READ_ACCESS
                                                                           : SQLU_ALLOW_NO_ACCESS;
    iLockWithForce = flag(load.callBooleanMethod("getLockWithForce", JNI_FALSE));
    iStatsOpt = load.callBooleanMethod("getUseProfile", JNI_FALSE) ? SQLU_STATS_USE_PROFILE
                                                                   : SQLU_STATS_NONE;
    integrityPending = load.callBooleanMethod("getIntegrityPending", JNI_FALSE);
    iSetIntegrityPending = load.callBooleanMethod("getIntegrityPendingDeferred", JNI_TRUE) ? 0 : 1;
}

void CDB2LoadCmd::readUserExit(const tarvinex::JavaObject& load) {
    sourceUserExitCmd = load.callStringMethod("getSourceUserExitExecutable");
    inputStream = load.callStringMethod("getInputBuffer");
    inputFileName = load.callStringMethod("getInputFile");
    outputFileName = load.callStringMethod("getOutputFile");
    enableParallelism = load.callBooleanMethod("getParallelize", JNI_FALSE);
}

bool CDB2LoadCmd::build() {
    t_string why;
    const bool built =
        buildSourceList(why) &&
        lobPaths.buildLocal(strLobPathList, MediaList::Reserve::kZero, "LOB path list", why) &&
        descriptor.buildChosen(methodLocations, strDataDescriptor, methodNames, strDataDescriptor,
                               methodPositions, strDataDescriptor, why) &&
        action.assignSqlchar(actionString, "action string", why) &&
        modifiers.assignSqlchar(strFileTypeMod, "file type modifiers", why) &&
        buildCopyTarget(why) &&
        nullIndicators.build(strNullIndicatorList, descriptor.columns(), "null indicator list",
                             why) &&
        userExit.build(sourceUserExitCmd, inputStream, inputFileName, outputFileName,
                       enableParallelism, why);
    if (!built) {
        throwJavaException(why.c_str());
        return false;
    }
    fillLoadIn();
    return true;
}

bool CDB2LoadCmd::buildSourceList(t_string& why) {
    if (strcasecmp(fileType.c_str(), "CURSOR") == 0) {
        // The cursor's statement goes whole: its own commas do not separate sources.
        sourceList.buildStatement(strSourceList);
        return true;
    }
    const char kind = isClient ? SQLU_CLIENT_LOCATION : SQLU_SERVER_LOCATION;
    return sourceList.buildLocations(kind, strSourceList, "source list", why);
}

bool CDB2LoadCmd::buildCopyTarget(t_string& why) {
    hasCopyTarget = copyUseTsm || copyUseLoad || copyUseLocal;
    if (copyUseTsm) {
        copyTarget.buildSessionsOnly(SQLU_TSM_MEDIA, numSessions);
        return true;
    }
    if (copyUseLoad) {
        return copyTarget.buildVendor(loadLibName, numSessions, "load copy library", why);
    }
    if (copyUseLocal) {
        return copyTarget.buildLocal(strCopyTargetList, MediaList::Reserve::kZero,
                                     "copy target list", why);
    }
    return true;
}

void CDB2LoadCmd::fillLoadIn() {
    loadIn = db2LoadIn{};
    loadIn.iRowcount = iRowcount;
    loadIn.iRestartcount = 0;
    loadIn.piUseTablespace = textOrNull(useTablespace);
    loadIn.iSavecount = iSavecount;
    loadIn.iDataBufferSize = iDataBufferSize;
    loadIn.iSortBufferSize = iSortBufferSize;
    loadIn.iWarningcount = iWarningcount;
    loadIn.iHoldQuiesce = 1;
    loadIn.iCpuParallelism = iCpuParallelism;
    loadIn.iDiskParallelism = iDiskParallelism;
    loadIn.iNonrecoverable = iNonrecoverable;
    loadIn.iIndexingMode = iIndexingMode;
    loadIn.iAccessLevel = iAccessLevel;
    loadIn.iLockWithForce = iLockWithForce;
    loadIn.iCheckPending = 0;
    loadIn.iRestartphase = ' ';
    loadIn.iStatsOpt = iStatsOpt;
    loadIn.iSetIntegrityPending = integrityPending ? iSetIntegrityPending : 0;
    loadIn.piSourceUserExit = userExit.get();
}

bool CDB2LoadCmd::SetupContext() {
    const int database = contextObj.getDatabaseConnectionContext();
    if (ExceptionOccurred()) {
        return false;
    }
    if (db2::ContextHandleRegistry::FromHandle(database) != nullptr) {
        return setupStoredContext(database, kRequiresConnection);
    }
    return setupStoredContext(contextObj.getInstanceConnectionContext(), kRequiresConnection);
}

void CDB2LoadCmd::FreeData(bool) {
    // The stored context stays alive; only the thread lets go of it.
    db2::CDB2APIContext::DetachCurrentCtx();
}

bool CDB2LoadCmd::CallDB2API() {
    if (!UtilityVersion::supported(getEnv(), version)) {
        return false;
    }
    ca = zeroedSqlca();
    t_string messageFile =
        localMsgFileName.empty() ? t_string(kDefaultMessageFile) : localMsgFileName;

    db2LoadStruct parms{};
    parms.piSourceList = sourceList.get();
    parms.piLobPathList = lobPaths.get();
    parms.piDataDescriptor = descriptor.get();
    parms.piActionString = action.asSqlchar();
    parms.piFileType = textOrNull(fileType);
    parms.piFileTypeMod = modifiers.asSqlchar();
    parms.piLocalMsgFileName = messageFile.data();
    parms.piTempFilesPath = textOrNull(tempFilesPath);
    parms.piVendorSortWorkPaths = nullptr;
    parms.piCopyTargetList = hasCopyTarget ? copyTarget.get() : nullptr;
    parms.piNullIndicators = nullIndicators.data();
    parms.piLoadInfoIn = &loadIn;
    parms.poLoadInfoOut = nullptr;
    parms.piPartLoadInfoIn = doPartLoad ? partitioned.get() : nullptr;
    parms.poPartLoadInfoOut = nullptr;
    parms.iCallerAction = SQLU_INITIAL;
    const int rc = db2::DB2API::Instance().Load(UtilityVersion::apiLevel(version), &parms, &ca);
    return checkDB2Call(rc, ca);
}
