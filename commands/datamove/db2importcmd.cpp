#include "commands/datamove/db2importcmd.h"

#include "commands/database/nullabletext.h"
#include "commands/fieldnumber.h"
#include "commands/utilityversion.h"
#include "db2api/db2api.h"
#include "db2api/db2apicontext.h"

namespace {

const char* const kRequiresConnection = "This command requires a database connection!";
const char* const kDefaultMessageFile = "import_msgs.log";

// A Java int as DB2's 64-bit count: sign-extended, as callers have always passed it.
db2Uint64 widened(int value) {
    return static_cast<db2Uint64>(static_cast<sqlint64>(value));
}

}  // namespace

CDB2ImportCmd::CDB2ImportCmd(const tarvinex::JavaObject& command,
                             const tarvinex::JavaObject& context,
                             const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {
    ca = zeroedSqlca();
}

bool CDB2ImportCmd::SetupData() {
    version =
        UtilityVersion::effective(contextObj.getClientVersion(), contextObj.getDatabaseVersion());
    const tarvinex::JavaObject import(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName("DB2CommandImport").c_str());
    filename = import.callStringMethod("getFilename");
    filetype = import.callStringMethod("getFiletype");
    actionString = import.callStringMethod("getActionString");
    fileTypeModList = import.callStringMethod("getFileTypeModString");
    msgFilename = import.callStringMethod("getMessageFile");
    nullIndicatorListStr = import.callStringMethod("getNullIndicatorListString");
    methodLocations = import.callBooleanMethod("getMethodLocations", JNI_FALSE);
    methodNames = import.callBooleanMethod("getMethodNames", JNI_FALSE);
    methodPositions = import.callBooleanMethod("getMethodPositions", JNI_FALSE);
    columnStartEndStr = import.callStringMethod("getColumnStartEndString");
    columnNameStr = import.callStringMethod("getColumnNameString");
    columnPosStr = import.callStringMethod("getColumnPositionString");
    lobPathListStr = import.callStringMethod("getLobPathString");
    readOptions(import);
    if (version >= 9) {
        readXmlOptions(import);
    }
    // A failed Java call leaves its exception for the caller; nothing is built from defaults.
    return ExceptionOccurred() || build();
}

void CDB2ImportCmd::readOptions(const tarvinex::JavaObject& import) {
    rowCount = widened(import.callIntegerMethod("getRowCount", 0));
    restartCount = widened(import.callIntegerMethod("getRestartCount", 0));
    commitCount = import.callIntegerMethod("getCommitCount", -1);
    const int warnings = import.callIntegerMethod("getWarningCount", 0);
    if (!ExceptionOccurred()) {
        FieldNumber::narrow(getEnv(), "getWarningCount", warnings, warningCount);
    }
    // Kept as callers have always had it: false asks DB2 for 1, true for 0.
    noTimeout = import.callBooleanMethod("getNotimeout", JNI_FALSE) ? 0 : 1;
    accessLevel = import.callBooleanMethod("getWriteAccess", JNI_FALSE) ? SQLU_ALLOW_WRITE_ACCESS
                                                                        : SQLU_ALLOW_NO_ACCESS;
}

void CDB2ImportCmd::readXmlOptions(const tarvinex::JavaObject& import) {
    doXmlValidate = import.callBooleanMethod("getXmlValidate", JNI_FALSE);
    xmlPathStr = import.callStringMethod("getXmlPathString");
    xds = import.callBooleanMethod("getXds", JNI_FALSE);
    schemaSqlid = import.callStringMethod("getSchemaSqlid");
    ignoreSchemaSqlidStr = import.callStringMethod("getIgnoreSchemaSqlidString");
    mapSchemaSqlidStr = import.callStringMethod("getMapSchemaSqlidString");
    // Null is told apart from a value by the defaults: only null gives each default back.
    const bool whenNullFalse = import.callBooleanMethod("getStrip", JNI_FALSE);
    const bool whenNullTrue = import.callBooleanMethod("getStrip", JNI_TRUE);
    if (whenNullFalse != whenNullTrue) {
        xmlParse = 0;
    } else {
        xmlParse = whenNullFalse ? DB2DMU_XMLPARSE_STRIP_WS : DB2DMU_XMLPARSE_PRESERVE_WS;
    }
}

bool CDB2ImportCmd::build() {
    t_string why;
    const bool built = lobPaths.buildLocal(lobPathListStr, MediaList::Reserve::kItemLength,
                                           "LOB path list", why) &&
                       descriptor.buildChosen(methodLocations, columnStartEndStr, methodNames,
                                              columnNameStr, methodPositions, columnPosStr, why) &&
                       action.assignSqlchar(actionString, "action string", why) &&
                       (fileTypeModList.empty() ||
                        modifiers.assignSqlchar(fileTypeModList, "file type modifiers", why)) &&
                       nullIndicators.build(nullIndicatorListStr, descriptor.columns(),
                                            "null indicator list", why) &&
                       buildXml(why);
    if (!built) {
        throwJavaException(why.c_str());
    }
    return built;
}

bool CDB2ImportCmd::buildXml(t_string& why) {
    if (version < 9) {
        return true;
    }
    return xmlPaths.buildLocal(xmlPathStr, MediaList::Reserve::kZero, "XML path list", why) &&
           (!doXmlValidate ||
            xmlValidation.build(xds, schemaSqlid, ignoreSchemaSqlidStr, mapSchemaSqlidStr, why));
}

bool CDB2ImportCmd::SetupContext() {
    return setupStoredContext(contextObj.getDatabaseConnectionContext(), kRequiresConnection);
}

void CDB2ImportCmd::FreeData(bool) {
    // The connection's context stays alive; only the thread lets go of it.
    db2::CDB2APIContext::DetachCurrentCtx();
}

bool CDB2ImportCmd::CallDB2API() {
    if (!UtilityVersion::supported(getEnv(), version)) {
        return false;
    }
    ca = zeroedSqlca();
    return version == UtilityVersion::kLowest ? callImportV7() : callImport();
}

bool CDB2ImportCmd::callImport() {
    db2ImportIn in{};
    in.iRowcount = rowCount;
    in.iRestartcount = restartCount;
    in.iSkipcount = 0;
    in.piCommitcount = &commitCount;
    in.iWarningcount = warningCount;
    in.iNoTimeout = noTimeout;
    in.iAccessLevel = accessLevel;
    const bool xml = version >= 9;
    in.piXmlParse = xml && xmlParse != 0 ? &xmlParse : nullptr;
    in.piXmlValidate = xml && doXmlValidate ? xmlValidation.get() : nullptr;
    db2ImportOut out{};
    t_string messageFile = msgFilename.empty() ? t_string(kDefaultMessageFile) : msgFilename;

    db2ImportStruct parms{};
    parms.piDataFileName = textOrNull(filename);
    parms.piLobPathList = lobPaths.get();
    parms.piDataDescriptor = descriptor.get();
    parms.piActionString = action.asSqlchar();
    parms.piFileType = textOrNull(filetype);
    parms.piFileTypeMod = modifiers.asSqlchar();
    parms.piMsgFileName = messageFile.data();
    parms.iCallerAction = SQLU_INITIAL;
    parms.piImportInfoIn = &in;
    parms.poImportInfoOut = &out;
    parms.piNullIndicators = nullIndicators.data();
    parms.piXmlPathList = xml ? xmlPaths.get() : nullptr;
    const int rc = db2::DB2API::Instance().Import(UtilityVersion::apiLevel(version), &parms, &ca);
    return checkDB2Call(rc, ca);
}

bool CDB2ImportCmd::callImportV7() {
    // Version 7 takes the names as they are, empty ones included, and no option block.
    const int rc = db2::DB2API::Instance().ImportV7(
        filename.data(), lobPaths.get(), descriptor.get(), action.asSqlchar(), filetype.data(),
        modifiers.asSqlchar(), msgFilename.data(), SQLU_INITIAL, nullptr, nullptr,
        nullIndicators.data(), nullptr, &ca);
    return checkDB2Call(rc, ca);
}
