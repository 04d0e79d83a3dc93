#include "commands/datamove/db2exportcmd.h"

#include "commands/database/nullabletext.h"
#include "commands/utilityversion.h"
#include "db2api/db2api.h"
#include "db2api/db2apicontext.h"

namespace {

const char* const kRequiresConnection = "This command requires a database connection!";
const char* const kDefaultMessageFile = "export_msgs.log";

}  // namespace

CDB2ExportCmd::CDB2ExportCmd(const tarvinex::JavaObject& command,
                             const tarvinex::JavaObject& context,
                             const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container), exportIn{} {
    ca = zeroedSqlca();
}

bool CDB2ExportCmd::SetupData() {
    version =
        UtilityVersion::effective(contextObj.getClientVersion(), contextObj.getDatabaseVersion());
    const tarvinex::JavaObject exportCmd(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName("DB2CommandExport").c_str());
    strColumnName = exportCmd.callStringMethod("getColumnNameString");
    strDataFileName = exportCmd.callStringMethod("getFilename");
    strFileType = exportCmd.callStringMethod("getFiletype");
    strFileTypeMod = exportCmd.callStringMethod("getFileTypeModString");
    strLobFile = exportCmd.callStringMethod("getLobFileString");
    strLobPath = exportCmd.callStringMethod("getLobPathString");
    strMsgFileName = exportCmd.callStringMethod("getMessageFile");
    actionString = exportCmd.callStringMethod("getActionString");
    if (version >= 9) {
        strXmlFileName = exportCmd.callStringMethod("getXmlFileNameString");
        xmlSaveSchema = exportCmd.callBooleanMethod("getXmlSaveSchema", JNI_FALSE);
        strXmlToPath = exportCmd.callStringMethod("getXmlToPathString");
    }
    // A failed Java call leaves its exception for the caller; nothing is built from defaults.
    return ExceptionOccurred() || build();
}

bool CDB2ExportCmd::build() {
    t_string why;
    const bool xml = version >= 9;
    const bool built =
        lobPaths.buildLocal(strLobPath, MediaList::Reserve::kZero, "LOB path list", why) &&
        lobFiles.buildLocations(SQLU_CLIENT_LOCATION, strLobFile, "LOB file list", why) &&
        (strColumnName.empty() || descriptor.buildNames(strColumnName, "column name list", why)) &&
        statement.assignSqllob(actionString, "statement", why) &&
        (strFileTypeMod.empty() ||
         modifiers.assignSqlchar(strFileTypeMod, "file type modifiers", why)) &&
        (!xml ||
         xmlPaths.buildLocal(strXmlToPath, MediaList::Reserve::kZero, "XML path list", why)) &&
        (!xml ||
         xmlFiles.buildLocations(SQLU_CLIENT_LOCATION, strXmlFileName, "XML file list", why));
    if (!built) {
        throwJavaException(why.c_str());
    }
    return built;
}

bool CDB2ExportCmd::SetupContext() {
    return setupStoredContext(contextObj.getDatabaseConnectionContext(), kRequiresConnection);
}

void CDB2ExportCmd::FreeData(bool) {
    // The connection's context stays alive; only the thread lets go of it.
    db2::CDB2APIContext::DetachCurrentCtx();
}

bool CDB2ExportCmd::CallDB2API() {
    if (!UtilityVersion::supported(getEnv(), version)) {
        return false;
    }
    ca = zeroedSqlca();
    const bool xml = version >= 9;
    t_string messageFile = strMsgFileName.empty() ? t_string(kDefaultMessageFile) : strMsgFileName;

    db2ExportStruct parms{};
    parms.piDataFileName = textOrNull(strDataFileName);
    parms.piLobPathList = lobPaths.get();
    parms.piLobFileList = lobFiles.get();
    parms.piDataDescriptor = descriptor.get();
    parms.piActionString = statement.asSqllob();
    parms.piFileType = textOrNull(strFileType);
    parms.piFileTypeMod = modifiers.asSqlchar();
    parms.piMsgFileName = messageFile.data();
    parms.iCallerAction = SQLU_INITIAL;
    parms.poExportInfoOut = nullptr;  // the exported row count is not reported
    if (xml) {
        xmlSaveSchemaValue = xmlSaveSchema ? 1 : 0;
        exportIn.piXmlSaveSchema = &xmlSaveSchemaValue;
        parms.piExportInfoIn = &exportIn;
        parms.piXmlPathList = xmlPaths.get();
        parms.piXmlFileList = xmlFiles.get();
    }
    const int rc = db2::DB2API::Instance().Export(UtilityVersion::apiLevel(version), &parms, &ca);
    return checkDB2Call(rc, ca);
}
