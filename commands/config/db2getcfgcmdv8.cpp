#include "commands/config/db2getcfgcmdv8.h"

#include <algorithm>
#include <cstring>

#include "bridge/scopedlocalref.h"
#include "commands/config/configureparameter.h"
#include "db2api/db2api.h"
#include "base/lexicalcast.h"

namespace {

enum Column { kName = 1, kValue, kDelayedValue, kTokenId, kValueFlag, kDelayedValueFlag };

const char kAutomatic[] = "AUTOMATIC";

t_string className(const char* relative) {
    return tarvinex::JavaObject::getDB2CommandClassName(relative);
}

}  // namespace

CDB2GetCfgCmdV8::CDB2GetCfgCmdV8(const tarvinex::JavaObject& command,
                                 const tarvinex::JavaObject& context,
                                 const tarvinex::JavaObject& container, bool instanceLevel)
    : CDB2GetCfgCmd(command, context, container, instanceLevel) {
    isV8 = true;
}

bool CDB2GetCfgCmdV8::SetupData() {
    const tarvinex::JavaObject command(
        commandObj,
        className(isInstanceLevel ? "DB2CommandGetDBMCfg" : "DB2CommandGetDBCfg").c_str());
    if (!isInstanceLevel) {
        m_strAlias = command.callStringMethod("getAlias");
    }
    isDetail = command.callboolMethod("isShowDetail") == JNI_TRUE;
    const tarvinex::JavaObject factory(
        commandObj, className(CDB2ConfigureParameter::kParameterFactoryClass).c_str());
    readCatalogue(factory);
    allocateValues();
    return true;
}

double CDB2GetCfgCmdV8::catalogueVersion() const {
    const double server = contextObj.getInstanceConnectionContext() != 0
                              ? contextObj.getInstanceVersionWithRevision()
                              : contextObj.getDatabaseVersionWithRevision();
    const double client = contextObj.getClientVersionWithRevision();
    return client < server ? client : server;
}

void CDB2GetCfgCmdV8::readCatalogue(const tarvinex::JavaObject& factory) {
    const double version = catalogueVersion();
    JNIEnv* env = getEnv();
    const tarvinex::JavaObject collection = tarvinex::JavaObject::adopt(
        env, "java/util/Collection",
        factory.callGetAllParametersMethod("java/util/Collection", version, isInstanceLevel));
    if (collection.isNull() || env->ExceptionCheck()) {
        return;
    }
    const int count = std::max(collection.callintMethod("size"), 0);
    // The elements in one call rather than two per element: toArray holds what the iterator
    // yields, in its order, whatever size() claimed.
    const tarvinex::ScopedLocalRef<jobjectArray> elements(
        env, collection.callObjectArrayMethod("toArray"));
    if (elements.get() == nullptr) {
        return;
    }
    const jsize taken = std::min(static_cast<jsize>(count), env->GetArrayLength(elements.get()));
    const t_string parameterClass = className(CDB2ConfigureParameter::kConfigParameterClass);
    for (jsize i = 0; i < taken && !env->ExceptionCheck(); ++i) {
        const tarvinex::ScopedLocalRef<jobject> element(
            env, env->GetObjectArrayElement(elements.get(), i));
        if (element.get() == nullptr) {
            continue;
        }
        const auto info = CDB2ConfigureParameter::getDBConfigParamInfo(
            tarvinex::JavaObject(env, parameterClass.c_str(), element.get()),
            false);  // no brief shown
        if (info != nullptr && CDB2ConfigureParameter::isUsable(*info)) {
            configInfoArray.push_back(*info);
        }
    }
}

void CDB2GetCfgCmdV8::allocateValues() {
    for (const StructDBConfigInfo& item : configInfoArray) {
        const auto size = static_cast<std::size_t>(CDB2ConfigureParameter::GetItemAllocSize(item));
        const auto token = static_cast<db2Uint32>(item.token);
        data.add(token, size, 0);
        if (isDetail) {
            delayedData.add(token, size, 0);
        }
    }
}

int CDB2GetCfgCmdV8::callGet(CfgParamArray& values, db2Uint32 extraFlags, sqlca& ca) {
    db2Cfg cfg;
    std::memset(&cfg, 0, sizeof(cfg));
    t_string dbname = isInstanceLevel ? t_string() : m_strAlias;
    cfg.numItems = values.count();
    cfg.paramArray = values.data();
    cfg.flags = (isInstanceLevel ? db2CfgDatabaseManager : db2CfgDatabase) | extraFlags;
    cfg.dbname = dbname.data();
    ca = zeroedSqlca();
    return db2::DB2API::Instance().GetConfigurationParametersV8(db2Version810, &cfg, &ca);
}

bool CDB2GetCfgCmdV8::checkQuietly(int rc, const sqlca& ca) {
    sqlca quiet = ca;
    if (quiet.sqlcode > 0) {
        quiet.sqlcode = 0;
    }
    return checkDB2Call(rc, quiet);
}

bool CDB2GetCfgCmdV8::CallDB2API() {
    sqlca ca;
    if (!isDetail) {
        const int rc = callGet(data, 0, ca);
        return checkDB2Call(rc, ca);
    }
    const int rc = callGet(data, db2CfgImmediate, ca);
    if (!checkQuietly(rc, ca)) {
        return false;
    }
    const int delayedRc = callGet(delayedData, db2CfgDelayed, ca);
    return checkDB2Call(delayedRc, ca);
}

bool CDB2GetCfgCmdV8::BuildResultSet() {
    RowListing listing(containerObj);
    if (!SetupColumnInfo(listing)) {
        return false;
    }
    const tarvinex::JavaObject factory(
        commandObj, className(CDB2ConfigureParameter::kParameterFactoryClass).c_str());
    const double version = contextObj.getClientVersionWithRevision();
    for (std::size_t i = 0; i < configInfoArray.size(); ++i) {
        if (!addRow(listing, factory, version, i)) {
            return false;
        }
    }
    return listing.finish();
}

bool CDB2GetCfgCmdV8::addRow(RowListing& listing, const tarvinex::JavaObject& factory,
                             double version, std::size_t i) {
    const StructDBConfigInfo& item = configInfoArray[i];
    auto translated = [&](const CfgParamArray& values) {
        const t_string raw =
            CDB2ConfigureParameter::GetItemValue(item, values.at(i).ptrvalue, values.bufferSize(i));
        return factory.callGetTranslationValueMethod(version, item.token, raw.c_str());
    };
    auto flag = [&](const CfgParamArray& values) {
        return (values.at(i).flags & db2CfgParamAutomatic) != 0 ? kAutomatic : "";
    };
    const t_string value = translated(data);
    const t_string delayed = isDetail ? translated(delayedData) : t_string();
    // A translation that threw leaves its exception pending: the row is not started.
    if (!listing.newRow()) {
        return false;
    }
    listing.set(kName, item.name);
    listing.set(kValue, value);
    if (isDetail) {
        listing.set(kDelayedValue, delayed);
    }
    listing.set(kTokenId, lexical_cast<t_string>(item.token));
    listing.set(kValueFlag, flag(data));
    if (isDetail) {
        listing.set(kDelayedValueFlag, flag(delayedData));
    }
    return true;
}

void CDB2GetCfgCmdV8::FreeData(bool /*rslt*/) {
    ctx.End();
    data.clear();
    delayedData.clear();
    configInfoArray.clear();
}
