#include "commands/maintenance/db2runstatscmd.h"

#include "commands/fieldnumber.h"
#include "commands/utilityversion.h"
#include "db2api/db2api.h"

namespace {

constexpr const char* kRunStatsClass = "DB2CommandRunStats";
constexpr int kDefaultPriority = 70;

// The name of the enum a getter returns (its toString()), empty when null.
t_string enumName(const tarvinex::JavaObject& cmd, const char* getter, const t_string& enumClass) {
    const tarvinex::JavaObject value = cmd.getChildObject(getter, enumClass.c_str());
    return value.isNull() ? t_string() : value.callStringMethod("toString");
}

db2Uint32 bit(bool on, db2Uint32 value) {
    return on ? value : 0;
}

}  // namespace

CDB2RunStatsCmd::CDB2RunStatsCmd(const tarvinex::JavaObject& command,
                                 const tarvinex::JavaObject& context,
                                 const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2RunStatsCmd::SetupData() {
    const t_string className = tarvinex::JavaObject::getDB2CommandClassName(kRunStatsClass);
    const tarvinex::JavaObject cmd(commandObj, className.c_str());
    if (!UtilityVersion::read(contextObj, version) || !readScalars(cmd) ||
        !lists.read(cmd, className)) {
        return false;
    }
    readFlags(cmd, className);
    return true;
}

bool CDB2RunStatsCmd::readScalars(const tarvinex::JavaObject& cmd) {
    JNIEnv* env = getEnv();
    iSamplingOption = cmd.callDoubleMethod("getNumericaLiteral", 0.0);
    tableName = cmd.callStringMethod("getObjectName");
    const int frequencies = cmd.callIntegerMethod("getDefaultFrequencyOption", DB2RUNSTATS_DEFAULT);
    const int quantiles = cmd.callIntegerMethod("getDefaultQuantileOption", DB2RUNSTATS_DEFAULT);
    const int seed = cmd.callIntegerMethod("getRepeatableIntegerLiteral", 0);
    const int priority = cmd.callIntegerMethod("getPriority", kDefaultPriority);
    return !ExceptionOccurred() &&
           FieldNumber::narrow(env, "getDefaultFrequencyOption()", frequencies,
                               iTableDefaultFreqValues) &&
           FieldNumber::narrow(env, "getDefaultQuantileOption()", quantiles,
                               iTableDefaultQuantiles) &&
           FieldNumber::narrow(env, "getRepeatableIntegerLiteral()", seed, iSamplingRepeatable) &&
           FieldNumber::narrow(env, "getPriority()", priority, iUtilImpactPriority);
}

void CDB2RunStatsCmd::readFlags(const tarvinex::JavaObject& cmd, const t_string& className) {
    const t_string selectionClass = className + "$EnumColumnSelection";
    t_string selection = enumName(cmd, "getDistColumnSelection", selectionClass);
    if (selection.empty()) {
        selection = enumName(cmd, "getColsColumnSelection", selectionClass);
    }
    const bool keyColumns =
        selection == "ON_KEY_COLUMNS_AND_COLUMNS" || selection == "ON_KEY_COLUMNS";
    const bool allColumns =
        selection == "ON_ALL_COLUMNS" || selection == "ON_ALL_COLUMNS_AND_COLUMNS";
    const bool distribution = cmd.callboolMethod("isWithDistribution") == JNI_TRUE;
    const bool allIndexes = cmd.callboolMethod("isUseAllIndicies") == JNI_TRUE;
    const bool extIndex = cmd.callboolMethod("isIndexDetailed") == JNI_TRUE;
    const bool extIndexSampled = cmd.callboolMethod("isIndexSampled") == JNI_TRUE;
    const bool allowRead = cmd.callboolMethod("isAllowReadAccess") == JNI_TRUE;
    const bool samplingSystem =
        enumName(cmd, "getTablesampleOptions", className + "$EnumTablesampleOptions") == "SYSTEM";
    const bool useProfile = cmd.callboolMethod("isUseProfile") == JNI_TRUE;
    const t_string profile = enumName(cmd, "getProfileOptions", className + "$EnumProfileOptions");
    // The update-profile-only name was long documented misspelt; either spelling counts.
    const bool updateProfileOnly =
        profile == "UPDATE_PROFILE_ONLY" || profile == "UPDATE_PRIFILE_ONLY";
    const bool excludingXML = version > 8 && cmd.callboolMethod("isExcludeXMLColumns") == JNI_TRUE;
    const bool noColumns = lists.columnCount() == 0 && lists.distributionCount() == 0;

    iRunstatsFlags =
        bit(keyColumns, DB2RUNSTATS_KEY_COLUMNS) |
        bit(!keyColumns && (allColumns || noColumns), DB2RUNSTATS_ALL_COLUMNS) |
        bit(distribution, DB2RUNSTATS_DISTRIBUTION) | bit(allIndexes, DB2RUNSTATS_ALL_INDEXES) |
        bit(extIndex, DB2RUNSTATS_EXT_INDEX) | bit(extIndexSampled, DB2RUNSTATS_EXT_INDEX_SAMPLED) |
        bit(allowRead, DB2RUNSTATS_ALLOW_READ) | bit(samplingSystem, DB2RUNSTATS_SAMPLING_SYSTEM) |
        bit(iSamplingRepeatable != 0, DB2RUNSTATS_SAMPLING_REPEAT) |
        bit(useProfile, DB2RUNSTATS_USE_PROFILE) |
        bit(profile == "SET_PROFILE", DB2RUNSTATS_SET_PROFILE) |
        bit(profile == "SET_PROFILE_ONLY", DB2RUNSTATS_SET_PROFILE_ONLY) |
        bit(profile == "UPDATE_PROFILE", DB2RUNSTATS_UPDATE_PROFILE) |
        bit(updateProfileOnly, DB2RUNSTATS_UPDATE_PROFILE_ONLY) |
        bit(excludingXML, DB2RUNSTATS_EXCLUDING_XML);
}

bool CDB2RunStatsCmd::SetupContext() {
    return setupDatabaseContext();
}

void CDB2RunStatsCmd::FreeData(bool) {}

bool CDB2RunStatsCmd::CallDB2API() {
    db2RunstatsData data{};
    data.iSamplingOption = iSamplingOption;
    data.piTablename =
        tableName.empty() ? nullptr : reinterpret_cast<unsigned char*>(tableName.data());
    data.piColumnList = lists.columns();
    data.piColumnDistributionList = lists.distributions();
    data.piColumnGroupList = lists.groups();
    data.piIndexList = lists.indexes();
    data.iRunstatsFlags = iRunstatsFlags;
    data.iNumColumns = lists.columnCount();
    data.iNumColdist = lists.distributionCount();
    data.iNumColGroups = lists.groupCount();
    data.iNumIndexes = lists.indexCount();
    data.iParallelismOption = 0;
    data.iTableDefaultFreqValues = iTableDefaultFreqValues;
    data.iTableDefaultQuantiles = iTableDefaultQuantiles;
    data.iSamplingRepeatable = iSamplingRepeatable;
    data.iUtilImpactPriority = iUtilImpactPriority;
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().RunStats(UtilityVersion::apiLevel(version), &data, &ca);
    return checkDB2Call(rc, ca) && commit();
}

bool CDB2RunStatsCmd::commit() {
    const SQLHANDLE env = contextObj.getDatabaseConnectionEnvHandler();
    if (ExceptionOccurred()) {
        return false;  // the getter's own failure stays the one Java sees
    }
    // SQL_SUCCESS_WITH_INFO committed too: only a refusal (or a missing entry point) fails.
    const int rc = db2::DB2API::Instance().SQLEndTran(SQL_HANDLE_ENV, env, SQL_COMMIT);
    if (rc != SQL_SUCCESS && rc != SQL_SUCCESS_WITH_INFO) {
        throwJavaException("Cannot commit!");
        return false;
    }
    return true;
}
