#include "commands/maintenance/db2inspectcmd.h"

#include "db2api/db2api.h"

namespace {

constexpr const char* kInspectClass = "DB2CommandInspect";
constexpr const char* kRequiresConnection = "This command requires a database connection!";

char* orNull(t_string& text) {
    return text.empty() ? nullptr : text.data();
}

// The processing level of an object kind from its Java level enum.
db2Uint16 levelOf(int value) {
    switch (value) {
        case 1:
            return DB2INSPECT_LEVEL_LOW;
        case 2:
            return DB2INSPECT_LEVEL_NONE;
        default:
            return DB2INSPECT_LEVEL_NORMAL;
    }
}

}  // namespace

CDB2InspectCmd::CDB2InspectCmd(const tarvinex::JavaObject& command,
                               const tarvinex::JavaObject& context,
                               const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2InspectCmd::SetupData() {
    const t_string className = tarvinex::JavaObject::getDB2CommandClassName(kInspectClass);
    const tarvinex::JavaObject cmd(commandObj, className.c_str());
    readTarget(cmd);
    isForErrorStateAll = cmd.callBooleanMethod("getIsForErrorStateAll", JNI_FALSE) == JNI_TRUE;
    limitErrNum = cmd.callIntegerMethod("getLimitErrNum", 0);
    isLimitErrToAll = cmd.callBooleanMethod("getIsLimitErrToAll", JNI_FALSE) == JNI_TRUE;
    isLimitErrToDef = cmd.callBooleanMethod("getIsLimitErrToDef", JNI_FALSE) == JNI_TRUE;
    isKeepResults = cmd.callBooleanMethod("getIsKeepResults", JNI_FALSE) == JNI_TRUE;
    resultsFile = cmd.callStringMethod("getResultsFile");
    readLevels(cmd, className);
    apiLevel = contextObj.getClientVersion() < 8.0 ? db2Version710 : db2Version810;
    return readPartitions(cmd);
}

void CDB2InspectCmd::readTarget(const tarvinex::JavaObject& cmd) {
    isDatabase = cmd.callBooleanMethod("getIsDatabase", JNI_FALSE) == JNI_TRUE;
    isTable = cmd.callBooleanMethod("getIsTable", JNI_FALSE) == JNI_TRUE;
    isTablespace = cmd.callBooleanMethod("getIsTablespace", JNI_FALSE) == JNI_TRUE;
    tablespaceId = cmd.callIntegerMethod("getTablespaceId", 0);
    objectId = cmd.callIntegerMethod("getObjectId", 0);
    tablespaceName = cmd.callStringMethod("getTablespaceName");
    tableName = cmd.callStringMethod("getTableName");
    schemaName = cmd.callStringMethod("getSchemaName");
}

void CDB2InspectCmd::readLevels(const tarvinex::JavaObject& cmd, const t_string& className) {
    const t_string levelClass = className + "$EnumLevelType";
    const char* level = levelClass.c_str();
    extentMapLvl = cmd.getEnumValue("getExtentMapLvl", level, 0);
    dataLvl = cmd.getEnumValue("getDataLvl", level, 0);
    blockMapLvl = cmd.getEnumValue("getBlockMapLvl", level, 0);
    indexLvl = cmd.getEnumValue("getIndexLvl", level, 0);
    lobLvl = cmd.getEnumValue("getLobLvl", level, 0);
    longLvl = cmd.getEnumValue("getLongLvl", level, 0);
}

bool CDB2InspectCmd::readPartitions(const tarvinex::JavaObject& cmd) {
    const bool all = cmd.callBooleanMethod("getAllDBPartitionNums", JNI_FALSE) == JNI_TRUE;
    const t_string listed = cmd.callStringMethod("getDbPartitionNumsString");
    const t_string except = cmd.callStringMethod("getExceptDBPartitionNumsString");
    if (ExceptionOccurred()) {
        return false;
    }
    if (all && except.empty()) {
        allNodeFlag = DB2INSPECT_ALL_NODES;
        return true;
    }
    allNodeFlag = all ? DB2INSPECT_ALL_EXCEPT : DB2INSPECT_NODE_LIST;
    const char* what = all ? "getExceptDBPartitionNumsString()" : "getDbPartitionNumsString()";
    t_string why;
    if (!partitions.parse(all ? except : listed, what, why)) {
        throwJavaException(why.c_str());
        return false;
    }
    return true;
}

bool CDB2InspectCmd::SetupContext() {
    return setupStoredContext(contextObj.getDatabaseConnectionContext(), kRequiresConnection);
}

void CDB2InspectCmd::FreeData(bool) {}

db2Uint32 CDB2InspectCmd::action() const {
    if (isDatabase) {
        return DB2INSPECT_ACT_CHECK_DB;
    }
    return isTablespace ? DB2INSPECT_ACT_CHECK_TABSPACE : DB2INSPECT_ACT_CHECK_TABLE;
}

db2Uint32 CDB2InspectCmd::beginOption() const {
    if (isDatabase) {
        if (tablespaceId != 0) {
            return objectId != 0 ? DB2INSPECT_BEGIN_TSPID_OBJID : DB2INSPECT_BEGIN_TSPID;
        }
        return DB2INSPECT_BEGIN_TOP;
    }
    if (isTablespace) {
        return objectId != 0 ? DB2INSPECT_BEGIN_OBJID : DB2INSPECT_BEGIN_TOP;
    }
    return DB2INSPECT_BEGIN_TOP;
}

db2int32 CDB2InspectCmd::errorLimit() const {
    if (isLimitErrToDef) {
        return DB2INSPECT_LIMIT_ERROR_DEFAULT;
    }
    return isLimitErrToAll ? DB2INSPECT_LIMIT_ERROR_ALL : limitErrNum;
}

bool CDB2InspectCmd::CallDB2API() {
    db2InspectStruct parms{};
    parms.iAction = action();
    parms.piTablespaceName = orNull(tablespaceName);
    parms.piTableName = orNull(tableName);
    parms.piSchemaName = orNull(schemaName);
    parms.piResultsName = orNull(resultsFile);
    parms.piDataFileName = nullptr;
    parms.iTablespaceID = tablespaceId;
    parms.iObjectID = objectId;
    parms.iBeginCheckOption = beginOption();
    parms.iLimitErrorReported = errorLimit();
    parms.iObjectErrorState = isForErrorStateAll ? 1 : 0;
    parms.iKeepResultfile = isKeepResults ? 1 : 0;
    parms.iAllNodeFlag = allNodeFlag;
    parms.iNumNodes = static_cast<db2Uint16>(partitions.size());
    parms.piNodeList = partitions.numbers();
    parms.iLevelObjectData = levelOf(dataLvl);
    parms.iLevelObjectIndex = levelOf(indexLvl);
    parms.iLevelObjectLong = levelOf(longLvl);
    parms.iLevelObjectLOB = levelOf(lobLvl);
    parms.iLevelObjectBlkMap = levelOf(blockMapLvl);
    parms.iLevelExtentMap = levelOf(extentMapLvl);
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().Inspect(apiLevel, &parms, &ca);
    return checkDB2Call(rc, ca);
}
