#include "commands/database/db2createdbcmd.h"

#include <cstring>

#include "commands/fieldnumber.h"
#include "commands/fixedfield.h"
#include "db2api/contexthandleregistry.h"
#include "db2api/db2api.h"

namespace {

const char kJavaClass[] = "DB2CommandCreateDatabase";
const char kAlreadyConnected[] =
    "SQL1047N  The application is already connected to another database.";
const char kNoContainers[] = "The table space definition has no container collection";
const char kTooManyContainers[] = "The table space definition has too many containers";

}  // namespace

CDB2CreateDBCmd::CDB2CreateDBCmd(const tarvinex::JavaObject& command,
                                 const tarvinex::JavaObject& context,
                                 const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2CreateDBCmd::SetupData() {
    const t_string className = tarvinex::JavaObject::getDB2CommandClassName(kJavaClass);
    const tarvinex::JavaObject create(commandObj, className.c_str());
    dbName = create.getFieldString("DbName");
    alias = create.getFieldString("Alias");
    path = create.getFieldString("Path");
    if (!readDescriptor(create, className)) {
        return false;
    }
    if (!pupulateTbsInfo(create, "getCatalogTablespaceDefinition", className, catalogTbs) ||
        !pupulateTbsInfo(create, "getUserTablespaceDefinition", className, userTbs) ||
        !pupulateTbsInfo(create, "getTempTablespaceDefinition", className, tempTbs)) {
        return false;
    }
    dbDescriptor.sqlcatts = catalogTbs.get();
    dbDescriptor.sqlusrts = userTbs.get();
    dbDescriptor.sqltmpts = tempTbs.get();
    copyToField(territoryInfo.sqldbcodeset, create.callStringMethod("getCodeset"));
    copyToField(territoryInfo.sqldblocale, create.callStringMethod("getLocale"));
    return true;
}

bool CDB2CreateDBCmd::readDescriptor(const tarvinex::JavaObject& create,
                                     const t_string& className) {
    std::memset(&dbDescriptor, 0, sizeof(dbDescriptor));
    copyEyeCatcher(dbDescriptor.sqldbdid, SQLE_DBDESC_2);
    const t_string collate = className + "$EnumCollate";
    dbDescriptor.sqldbcss = create.getEnumValue("getCollate", collate.c_str(), SQL_CS_NONE);
    copyToField(dbDescriptor.sqldbcmt, create.callStringMethod("getComment"));
    dbDescriptor.sqltsext = create.callIntegerMethod("getDefaultExtentSize", -1);
    return FieldNumber::readInteger(create, "getNumSegs", 1, dbDescriptor.sqldbnsg, "getNumSegs()");
}

bool CDB2CreateDBCmd::pupulateTbsInfo(const tarvinex::JavaObject& create, const char* getter,
                                      const t_string& className, TablespaceBlock& block) {
    const t_string definitionClass = className + "$TablespaceDefinition";
    const tarvinex::JavaObject definition = create.getChildObject(getter, definitionClass.c_str());
    if (ExceptionOccurred() || definition.isNull()) {
        return true;  // no definition: DB2's default; a pending exception stops Execute
    }
    switch (block.Read(definition, className)) {
        case TablespaceBlock::Outcome::Built:
            return true;
        case TablespaceBlock::Outcome::NoCollection:
            throwJavaException(kNoContainers);
            return false;
        case TablespaceBlock::Outcome::TooManyContainers:
            throwJavaException(kTooManyContainers);
            return false;
    }
    return false;
}

bool CDB2CreateDBCmd::SetupContext() {
    if (db2::ContextHandleRegistry::FromHandle(contextObj.getDatabaseConnectionContext()) !=
        nullptr) {
        throwJavaException(kAlreadyConnected);
        return false;
    }
    return setupInstanceContext();
}

void CDB2CreateDBCmd::FreeData(bool) {
    catalogTbs.reset();
    userTbs.reset();
    tempTbs.reset();
}

bool CDB2CreateDBCmd::CallDB2API() {
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().CreateDatabase(
        dbName.data(), alias.data(), path.data(), &dbDescriptor, &territoryInfo, 0, nullptr, &ca);
    return checkDB2Call(rc, ca);
}
