#include "commands/config/db2updatecfgcmdv8.h"

#include <cstring>

#include "commands/config/configureparameter.h"
#include "db2api/db2api.h"

namespace {

const char kKeymapNull[] = "keymap is null.";
const char kMapEmpty[] = "map is empty.";
const char kUnknownParameter[] = "Unknown parameter: ";
const char kUnknownDataType[] = "Unknow data type";
const char kBadDataSize[] = "Invalid data size for parameter ";
const char kBadValue[] = "Invalid value for parameter ";

t_string className(const char* relative) {
    return tarvinex::JavaObject::getDB2CommandClassName(relative);
}

}  // namespace

CDB2UpdateCfgCmdV8::CDB2UpdateCfgCmdV8(const tarvinex::JavaObject& command,
                                       const tarvinex::JavaObject& context,
                                       const tarvinex::JavaObject& container, bool instanceLevel)
    : CDB2UpdateCfgCmdBase(command, context, container, instanceLevel) {
    isV8 = true;
}

bool CDB2UpdateCfgCmdV8::SetupData() {
    const tarvinex::JavaObject command(
        commandObj,
        className(isInstanceLevel ? "DB2CommandUpdateDBMCfg" : "DB2CommandUpdateDBCfg").c_str());
    isDefered = command.callboolMethod("isDefered") == JNI_TRUE;
    const tarvinex::JavaObject map = command.getChildObject("getKeywordValueMap", "java/util/Map");
    if (ExceptionOccurred()) {
        return false;
    }
    if (map.isNull()) {
        throwJavaException(kKeymapNull);
        return false;
    }
    count = map.callintMethod("size");
    if (ExceptionOccurred()) {
        return false;
    }
    if (count <= 0) {
        throwJavaException(kMapEmpty);
        return false;
    }
    return readEntries(map);
}

bool CDB2UpdateCfgCmdV8::readEntries(const tarvinex::JavaObject& map) {
    const tarvinex::JavaObject entries = map.getChildObject("entrySet", "java/util/Set");
    const tarvinex::JavaObject iterator = entries.getCollectionIterator();
    for (int taken = 0; taken < count; ++taken) {
        if (ExceptionOccurred() || iterator.callboolMethod("hasNext") != JNI_TRUE) {
            break;
        }
        const tarvinex::JavaObject element = iterator.getChildObject("next", "java/lang/Object");
        if (element.isNull()) {
            continue;
        }
        if (!addEntry(tarvinex::JavaObject(element, "java/util/Map$Entry"))) {
            return false;
        }
    }
    if (ExceptionOccurred()) {
        return false;
    }
    // size() promised entries the iteration never gave: DB2 must not be called with none.
    if (data.count() == 0) {
        throwJavaException(kMapEmpty);
        return false;
    }
    return true;
}

t_string CDB2UpdateCfgCmdV8::entryText(const tarvinex::JavaObject& entry, const char* getter) {
    const tarvinex::JavaObject object = entry.getChildObject(getter, "java/lang/Object");
    return object.isNull() ? t_string() : object.callTextMethod("toString");
}

bool CDB2UpdateCfgCmdV8::addEntry(const tarvinex::JavaObject& entry) {
    const t_string name = entryText(entry, "getKey");
    const t_string text = entryText(entry, "getValue");
    if (ExceptionOccurred()) {
        return false;
    }
    const std::unique_ptr<StructDBConfigInfo> item = findParameter(name);
    if (ExceptionOccurred()) {
        return false;
    }
    if (item == nullptr) {
        throwJavaException((kUnknownParameter + name).c_str());
        return false;
    }
    if (item->DataType == NotAToken) {
        throwJavaException(kUnknownDataType);
        return false;
    }
    if (!CDB2ConfigureParameter::isUsable(*item)) {
        throwJavaException((kBadDataSize + name).c_str());
        return false;
    }
    if (text.find('\0') != t_string::npos) {
        // DB2 would read a string value only up to the NUL.
        throwJavaException((kBadValue + name + ": it holds U+0000").c_str());
        return false;
    }
    const auto size = static_cast<std::size_t>(CDB2ConfigureParameter::GetItemAllocSize(*item));
    char* buffer = data.add(static_cast<db2Uint32>(item->token), size, itemFlags());
    if (!CDB2ConfigureParameter::SetItemValue(*item, text, buffer, size)) {
        throwJavaException((kBadValue + name + ": " + text).c_str());
        return false;
    }
    return true;
}

std::unique_ptr<StructDBConfigInfo> CDB2UpdateCfgCmdV8::findParameter(const t_string& name) const {
    const tarvinex::JavaObject factory(
        commandObj, className(CDB2ConfigureParameter::kParameterFactoryClass).c_str());
    const t_string parameterClass = className(CDB2ConfigureParameter::kConfigParameterClass);
    const tarvinex::JavaObject parameter = tarvinex::JavaObject::adopt(
        getEnv(), parameterClass.c_str(),
        factory.callGetParameterMethod(parameterClass.c_str(),
                                       contextObj.getClientVersionWithRevision(), isInstanceLevel,
                                       name));
    return CDB2ConfigureParameter::getDBConfigParamInfo(parameter);
}

db2Uint32 CDB2UpdateCfgCmdV8::itemFlags() const {
    return isDefered ? db2CfgDelayed : db2CfgImmediate;
}

bool CDB2UpdateCfgCmdV8::CallDB2API() {
    db2Cfg cfg;
    std::memset(&cfg, 0, sizeof(cfg));
    t_string dbname = isInstanceLevel ? t_string() : m_strAlias;
    cfg.numItems = data.count();
    cfg.paramArray = data.data();
    cfg.flags = (isInstanceLevel ? db2CfgDatabaseManager : db2CfgDatabase) | itemFlags();
    cfg.dbname = dbname.data();
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().SetConfigurationParametersV8(db2Version810, &cfg, &ca);
    return checkDB2Call(rc, ca);
}

void CDB2UpdateCfgCmdV8::FreeData(bool /*rslt*/) {
    data.clear();
}
