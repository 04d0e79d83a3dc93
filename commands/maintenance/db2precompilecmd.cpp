#include "commands/maintenance/db2precompilecmd.h"

#include <algorithm>
#include <cctype>

#include "commands/maintenance/optionreader.h"
#include "db2api/db2api.h"

namespace {

constexpr const char* kPrecompileClass = "DB2CommandPrecompile";
constexpr sqluint32 kAllocated = 45;
constexpr std::size_t kRoom = 46;

// Where the program's own name starts: after its last folder separator.
std::size_t baseStart(const t_string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == t_string::npos ? 0 : slash + 1;
}

// The program name without what follows the first "." of its own name (folders keep theirs).
t_string withoutExtension(const t_string& path) {
    const std::size_t dot = path.find('.', baseStart(path));
    return dot == t_string::npos ? path : path.substr(0, dot);
}

}  // namespace

CDB2PrecompileCmd::CDB2PrecompileCmd(const tarvinex::JavaObject& command,
                                     const tarvinex::JavaObject& context,
                                     const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

t_string CDB2PrecompileCmd::defaultBindFile() const {
    return doBind ? withoutExtension(programName) + ".bnd" : t_string();
}

t_string CDB2PrecompileCmd::defaultPackage() const {
    if (!usePackage) {
        return t_string();
    }
    t_string name = withoutExtension(programName).substr(baseStart(programName));
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return name;
}

bool CDB2PrecompileCmd::SetupData() {
    const t_string className = tarvinex::JavaObject::getDB2CommandClassName(kPrecompileClass);
    const tarvinex::JavaObject cmd(commandObj, className.c_str());
    programName = cmd.callStringMethod("getFilename");
    msgFileName = cmd.callStringMethod("getMessageFile");
    doBind = cmd.callboolMethod("isBind") == JNI_TRUE;
    usePackage = cmd.callboolMethod("isPackageUse") == JNI_TRUE;

    OptionReader read(cmd, className, options);
    read.enumValue("getAction", "$EnumPrecompileAction", SQL_ACTION_OPT);
    read.text("getBindFile", SQL_BIND_OPT, defaultBindFile());
    read.enumValue("getBlocking", "$EnumBlocking", SQL_BLOCK_OPT);
    read.booleanAlways("getCallResolutionDeferred", SQL_CALL_RES_OPT);
    read.text("getCollectionSchemaName", SQL_COLLECTION_OPT);
    read.integerUnlessUnset("getConnect", SQL_CONNECT_OPT);
    read.enumValue("getDatetime", "$EnumDatetime", SQL_DATETIME_OPT);
    read.enumValue("getDeferredPrepare", "$EnumDeferred", SQL_DEFERRED_PREPARE_OPT);
    read.integerUnlessUnset("getDegreeOfParallelism", SQL_DEGREE_OPT);
    read.enumValue("getDisconnect", "$EnumDisconnect", SQL_DISCONNECT_OPT);
    read.enumValue("getDynamicRules", "$EnumDynamicRules", SQL_DYNAMICRULES_OPT);
    read.enumValue("getExplain", "$EnumExplain", SQL_EXPLAIN_OPT);
    read.enumValue("getExplainSnap", "$EnumExplain", SQL_EXPLSNAP_OPT);
    read.booleanAlways("getFederated", SQL_FEDERATED_OPT);
    read.text("getFuncPathString", SQL_FUNCTION_PATH);
    read.text("getGeneric", SQL_GENERIC_OPT);
    read.enumValue("getInsert", "$EnumInsert", SQL_INSERT_OPT);
    read.enumValue("getIsolation", "$EnumIsolation", SQL_ISO_OPT, 4);
    read.enumValue("getLangLevel", "$EnumLangLevel", SQL_STANDARDS_OPT);
    read.text("getLevel", SQL_LEVEL_OPT);
    read.booleanAlways("getLongError", SQL_LONGERROR_OPT);
    read.primitiveBoolean("isNoLineMacro", SQL_LINEMACRO_OPT, true);
    read.integerUnlessUnset("getOptLevel", SQL_OPTIM_OPT);
    read.text("getOutputFilename", SQL_PREP_OUTPUT_OPT);
    read.text("getOwnerAuthorizationId", SQL_OWNER_OPT);
    read.text("getPackageName", SQL_PKG_OPT, defaultPackage());
    read.text("getPreprocessorCommand", SQL_PREPROCESSOR_OPT);
    read.text("getQualifierName", SQL_SCHEMA_OPT);
    read.integerUnlessUnset("getQueryOptimiationLevel", SQL_QUERYOPT_OPT);
    read.enumValue("getReopt", "$EnumReopt", SQL_REOPT_OPT, 2);
    read.text("getReplaceVersion", SQL_REPLVER_OPT);
    read.booleanAlways("getRetain", SQL_RETAIN_OPT);
    read.enumValue("getSqlca", "$EnumSQLCA", SQL_SAA_OPT);
    read.enumValue("getSqlError", "$EnumSQLError", SQL_SQLERROR_OPT);
    read.enumValue("getSqlFlag", "$EnumSQLFlag", SQL_FLAG_OPT);
    read.enumValue("getSqlRules", "$EnumSQLRules", SQL_RULES_OPT);
    read.booleanAlways("getSqlWarn", SQL_SQLWARN_OPT);
    read.booleanAlways("getStaticReadOnly", SQL_STATICREADONLY_OPT);
    read.enumValue("getSyncPoint", "$EnumSyncPoint", SQL_SYNCPOINT_OPT);
    // DB2 gives SYNTAX and SQLERROR one option type; both are sent, as DB2's own tools do.
    read.primitiveBoolean("isSyntax", SQL_SYNTAX_OPT);
    read.text("getTransformGroupName", SQL_TRANSFORMGROUP_OPT);
    read.enumValue("getValidate", "$EnumValidate", SQL_VALIDATE_OPT);
    read.text("getVersion", SQL_VERSION_OPT);
    read.enumValue("getWCharType", "$EnumWCharType", SQL_WCHAR_OPT);
    read.enumText("getTarget", "$EnumTarget", SQL_TARGET_OPT);

    precompOptions = options.build(kAllocated, kRoom);
    if (precompOptions == nullptr) {
        throwJavaException("Not enough memory for the precompile options!");
        return false;
    }
    return true;
}

bool CDB2PrecompileCmd::SetupContext() {
    return setupDatabaseContext();
}

void CDB2PrecompileCmd::FreeData(bool) {}

bool CDB2PrecompileCmd::CallDB2API() {
    sqlca ca = zeroedSqlca();
    char* program = programName.empty() ? nullptr : programName.data();
    char* messages = msgFileName.empty() ? nullptr : msgFileName.data();
    const int rc = db2::DB2API::Instance().Precompile(program, messages, precompOptions, &ca);
    return checkDB2Call(rc, ca);
}
