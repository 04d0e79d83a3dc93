#include "commands/maintenance/db2bindcmd.h"

#include "commands/maintenance/optionreader.h"
#include "db2api/db2api.h"

namespace {

constexpr const char* kBindClass = "DB2CommandBind";
constexpr const char* kIsolationClass = "DB2CommandAutoConfigure$EnumIsolation";
constexpr const char* kNoMemory = "Not enough memory for the bind options!";

}  // namespace

CDB2BindCmd::CDB2BindCmd(const tarvinex::JavaObject& command, const tarvinex::JavaObject& context,
                         const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2BindCmd::SetupData() {
    const t_string className = tarvinex::JavaObject::getDB2CommandClassName(kBindClass);
    const tarvinex::JavaObject cmd(commandObj, className.c_str());
    bindFileName = cmd.callStringMethod("getBindFile");
    msgFileName = cmd.callStringMethod("getMessageFile");

    OptionReader read(cmd, className, options);
    read.enumType("getAction", "$EnumAction", SQL_ACTION_OPT);
    read.boxedBoolean("getRetain", SQL_RETAIN_OPT);
    read.text("getReplaceVersion", SQL_REPLVER_OPT);
    read.enumType("getBlocking", "$EnumCursorBlocking", SQL_BLOCK_OPT);
    read.boxedInteger("getCliPackages", SQL_CLIPKG_OPT);
    read.text("getCollection", SQL_COLLECTION_OPT);
    read.enumType("getDateTimeFormat", "$EnumDateTimeFormat", SQL_DATETIME_OPT);
    read.boxedInteger("getDegreeValue", SQL_DEGREE_OPT);
    read.enumType("getDynamicRules", "$EnumDynamicRules", SQL_DYNAMICRULES_OPT);
    read.enumType("getExplainMode", "$EnumExplainMode", SQL_EXPLAIN_OPT);
    read.enumType("getExplainSnapshot", "$EnumExplainSnapshot", SQL_EXPLSNAP_OPT);
    read.boxedBoolean("getFederated", SQL_FEDERATED_OPT);
    read.text("getFunctionPath", SQL_FUNCTION_PATH);
    read.text("getGenericString", SQL_GENERIC_OPT);
    read.text("getGrantGroupString", SQL_GRANT_GROUP_OPT);
    read.text("getGrantString", SQL_GRANT_OPT);
    read.text("getGrantUser", SQL_GRANT_USER_OPT);
    read.enumType("getInsertBuf", "$EnumInsertBufMode", SQL_INSERT_OPT);
    read.enumTypeOf("getIsolation",
                    tarvinex::JavaObject::getDB2CommandClassName(kIsolationClass).c_str(),
                    SQL_ISO_OPT);
    read.text("getOwner", SQL_OWNER_OPT);
    read.text("getQualifier", SQL_SCHEMA_OPT);
    read.boxedInteger("getQueryOptimization", SQL_QUERYOPT_OPT);
    if (isAboveVersion8_2()) {
        read.enumType("getReOpt", "$EnumReOpt", SQL_REOPT_OPT);
    }
    read.enumType("getSqlError", "$EnumSqlError", SQL_SQLERROR_OPT);
    read.boxedBoolean("getSqlWarn", SQL_SQLWARN_OPT);
    read.text("getTransformGroupName", SQL_TRANSFORMGROUP_OPT);
    read.enumType("getValidate", "$EnumValidate", SQL_VALIDATE_OPT);

    const auto count = static_cast<sqluint32>(options.count());
    option = options.build(count, count);
    if (option == nullptr) {
        throwJavaException(kNoMemory);
        return false;
    }
    return true;
}

bool CDB2BindCmd::SetupContext() {
    return setupDatabaseContext();
}

void CDB2BindCmd::FreeData(bool) {}

bool CDB2BindCmd::CallDB2API() {
    sqlca ca = zeroedSqlca();
    const int rc =
        db2::DB2API::Instance().Bind(bindFileName.data(), msgFileName.data(), option, &ca);
    return checkDB2Call(rc, ca);
}
