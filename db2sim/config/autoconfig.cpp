// db2AutoConfig and db2AutoConfigFreeMemory. The output lists live in memory the stand-in hands
// out (counted as "memory") until db2AutoConfigFreeMemory takes them back; sqlefmem_api would
// accept them too, as DB2's own free call does not.
#include "db2sim/config/autoconfig.h"

#include <algorithm>
#include <cstring>

#include "db2sim/core/apicall.h"
#include "db2sim/config/configuration.h"
#include "db2sim/config/configurationvalues.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/core/versionedregistry.h"

namespace db2sim {
namespace {

using Element = db2AutoConfigElement;
using Interface = db2AutoConfigInterface;

struct InputRange {
    long long min;
    long long max;
};

// Index = input token.
constexpr InputRange kInputRanges[DB2_SG_BP_RESIZEABLE + 1] = {
    {0, 0}, {1, 100},  {1, 3},    {1, 1000000}, {1, 200000}, {1, 3},
    {0, 2}, {0, 5000}, {0, 5000}, {1, 4},       {0, 1},
};

long long clampTo(long long value, long long low, long long high) {
    return std::min(std::max(value, low), high);
}

}  // namespace

bool AutoConfig::setInputs(const db2AutoConfigInput& params) {
    if (params.numElements > 0 && params.pElements == nullptr) {
        return false;
    }
    for (db2Uint32 i = 0; i < params.numElements; ++i) {
        const Element& element = params.pElements[i];
        if (element.token < 1 || element.token > DB2_SG_BP_RESIZEABLE) {
            return false;
        }
        const InputRange& range = kInputRanges[element.token];
        if (element.value < range.min || element.value > range.max) {
            return false;
        }
        inputs_[element.token] = element.value;
    }
    return true;
}

long long AutoConfig::memoryPages() const {
    return kMachineMegabytes * input(DB2_SG_MEMORY_PERCENTAGE) / 100 * 256;
}

long long AutoConfig::applications() const {
    return std::max(1LL, input(DB2_SG_NUM_LOCAL_APPS) + input(DB2_SG_NUM_REMOTE_APPS));
}

std::vector<Recommendation> AutoConfig::database() const {
    long long apps = applications();
    long long pages = memoryPages();
    long long tpm = input(DB2_SG_TRANS_PER_MIN);
    bool complex = input(DB2_SG_DB_TYPE) == 3;
    bool repeatableRead = input(DB2_SG_ISOLATION) == 1;
    return {
        {704, clampTo(pages / 64, 4, 524288)},                                        // locklist
        {6, clampTo(apps + apps / 2 + 5, 1, 60000)},                                  // maxappls
        {15, repeatableRead ? 20 : 10},                                               // maxlocks
        {52, clampTo(pages / 128 / (apps / 4 + 1) * (complex ? 2 : 1), 16, 524288)},  // sortheap
        {33, clampTo(tpm / 10 + 8, 4, 4096)},                                         // logbufsz
        {92, clampTo(tpm * 4 + 1000, 4, 524286)},                                     // logfilsiz
        {16, clampTo(3 + tpm / 1000, 2, 256)},                                        // logprimary
        {17, clampTo(2 + tpm / 2000, 0, 254)},                                        // logsecond
        {37, input(DB2_SG_DB_TYPE) == 1 ? 1 : kProcessors},  // num_iocleaners
        {39, kProcessors * 2},                               // num_ioservers
        {505, clampTo(input(DB2_SG_NUM_STATEMENTS) * 20 + apps * 10, 32, 524288)},  // pckcachesz
        {58, clampTo(1200 + apps * 20, 32, 524288)},                                // dbheap
        {821, complex ? 8192 : 4096},                                               // stmtheap
        {55, input(DB2_SG_ADMIN_PRIORITY) == 3 ? 20000 : 5000},                     // util_heap_sz
    };
}

std::vector<Recommendation> AutoConfig::manager() const {
    long long apps = applications();
    return {
        {21, 0},                                    // sheapthres
        {501, clampTo(apps + 10, 1, 64000)},        // max_coordagents
        {502, clampTo(apps / 2 + 5, 1, 64000)},     // num_poolagents
        {79, clampTo(90 + apps / 10, 0, 60000)},    // mon_heap_sz
        {306, input(DB2_SG_DB_TYPE) == 3 ? 1 : 0},  // intra_parallel
    };
}

std::vector<Element> AutoConfig::diagnostics() const {
    return {
        {-1, static_cast<db2int32>(kMachineMegabytes)},
        {-2, static_cast<db2int32>(kProcessors)},
        {-3, static_cast<db2int32>(memoryPages() / 256)},
        {-4, static_cast<db2int32>(applications())},
    };
}

long long AutoConfig::bufferPoolPages() const {
    long long share = input(DB2_SG_IS_POPULATED) == 2 ? 30 : 50;
    return clampTo(memoryPages() * share / 100, 1000, 1LL << 30);
}

namespace {

// One side (old or new) of a configuration list, before it is laid out in handed-out memory.
struct Item {
    const ConfigParam* param;
    std::string text;
};

template <class ItemType>
void fillItems(const std::vector<Item>& items, ItemType* out, char* data) {
    for (const Item& item : items) {
        out->token = static_cast<decltype(out->token)>(item.param->token);
        out->ptrvalue = data;
        ConfigurationValues::write(*item.param, item.text, data);
        data += ConfigParams::width(*item.param);
        ++out;
    }
}

db2ConfigValues handOutValues(MemoryRegistry& memory, const std::vector<Item>& items, bool v8) {
    db2ConfigValues values{static_cast<db2Uint32>(items.size()), nullptr, nullptr};
    if (items.empty()) {
        return values;
    }
    size_t bytes = 0;
    for (const Item& item : items) {
        bytes += ConfigParams::width(*item.param);
    }
    values.pDataArea = memory.handOut(bytes);
    char* data = static_cast<char*>(values.pDataArea);
    if (v8) {
        // 8.x callers read sqlfupd items through the same pointer.
        void* block = memory.handOut(items.size() * sizeof(sqlfupd));
        fillItems(items, static_cast<sqlfupd*>(block), data);
        values.pConfigs = static_cast<db2CfgParam*>(block);
    } else {
        values.pConfigs =
            static_cast<db2CfgParam*>(memory.handOut(items.size() * sizeof(db2CfgParam)));
        fillItems(items, values.pConfigs, data);
    }
    return values;
}

db2BpValues handOutPool(MemoryRegistry& memory, const std::string& name, long long pages) {
    size_t bytes = sizeof(db2AutoConfigNameElement) + name.size() + 1;
    auto* element = static_cast<db2AutoConfigNameElement*>(memory.handOut(bytes));
    element->pName = reinterpret_cast<char*>(element + 1);
    std::memcpy(element->pName, name.c_str(), name.size() + 1);
    element->value = static_cast<db2int32>(pages);
    return db2BpValues{1, element};
}

db2AutoConfigDiags handOutDiagnostics(MemoryRegistry& memory,
                                      const std::vector<Element>& elements) {
    auto* out = static_cast<Element*>(memory.handOut(elements.size() * sizeof(Element)));
    std::copy(elements.begin(), elements.end(), out);
    return db2AutoConfigDiags{static_cast<db2Uint32>(elements.size()), out};
}

// Old and new sides of one scope's recommendations.
void sides(const std::vector<Recommendation>& recommendations, CfgScope scope,
           const std::string& database, std::vector<Item>& before, std::vector<Item>& after) {
    Configuration& configuration = Configuration::get();
    for (const Recommendation& recommendation : recommendations) {
        const ConfigParam* param = ConfigParams::find(scope, recommendation.token);
        if (param == nullptr) {
            continue;
        }
        before.push_back({param, configuration.value(database, *param).immediate});
        after.push_back({param, std::to_string(recommendation.value)});
    }
}

void apply(const std::vector<Item>& items, CfgScope scope, const std::string& database) {
    Configuration& configuration = Configuration::get();
    for (const Item& item : items) {
        CfgValue value = configuration.value(database, *item.param);
        value.immediate = item.text;
        value.delayed = item.text;
        configuration.setValue(database, *item.param, value);
    }
    configuration.save(scope, database);
}

bool validApply(db2int32 mode) {
    return mode == DB2_SG_NOT_APPLY || mode == DB2_SG_APPLY || mode == DB2_SG_APPLY_DB ||
           mode == DB2_SG_APPLY_DBM;
}

// 0 and the name of the database the request names (its alias, or the connection's when
// empty), else the refusal and its tokens.
int targetDatabase(ApiCall& call, const Interface& request, std::string& database,
                   std::vector<std::string>& tokens) {
    size_t length = strnlen(request.iDbAlias, sizeof(request.iDbAlias));
    if (length == sizeof(request.iDbAlias)) {
        tokens = {"iDbAlias"};
        return code::kInvalidParameter;
    }
    Manager& manager = Manager::get();
    std::optional<Connection> connection =
        manager.connections().connectionOf(call.instance().contexts().current());
    if (!connection) {
        return code::kNoConnection;
    }
    std::string alias(request.iDbAlias, length);
    if (alias.empty()) {
        database = connection->database;
        return 0;
    }
    const Database* found = manager.databases().findByAlias(alias);
    if (found == nullptr) {
        tokens = {alias};
        return code::kDatabaseNotFound;
    }
    database = found->name;
    return 0;
}

void answer(Interface& request, const AutoConfig& advice, const std::string& database, bool v8) {
    MemoryRegistry& memory = Instance::get().memory();
    std::vector<Item> oldDb, newDb, oldDbm, newDbm;
    sides(advice.database(), CfgScope::kDatabase, database, oldDb, newDb);
    sides(advice.manager(), CfgScope::kManager, std::string(), oldDbm, newDbm);
    db2AutoConfigOutput& out = request.oResult;
    out.oOldDbValues = handOutValues(memory, oldDb, v8);
    out.oOldDbmValues = handOutValues(memory, oldDbm, v8);
    out.oNewDbValues = handOutValues(memory, newDb, v8);
    out.oNewDbmValues = handOutValues(memory, newDbm, v8);
    out.oDiagnostics = handOutDiagnostics(memory, advice.diagnostics());
    Configuration& configuration = Configuration::get();
    out.oOldBpValues =
        handOutPool(memory, AutoConfig::kBufferPool,
                    configuration.bufferPoolPages(database, AutoConfig::kBufferPool));
    out.oNewBpValues = handOutPool(memory, AutoConfig::kBufferPool, advice.bufferPoolPages());

    bool applyDb = request.iApply == DB2_SG_APPLY || request.iApply == DB2_SG_APPLY_DB;
    bool applyDbm = request.iApply == DB2_SG_APPLY || request.iApply == DB2_SG_APPLY_DBM;
    if (applyDb) {
        configuration.setBufferPoolPages(database, AutoConfig::kBufferPool,
                                         advice.bufferPoolPages());
        apply(newDb, CfgScope::kDatabase, database);
    }
    if (applyDbm) {
        apply(newDbm, CfgScope::kManager, std::string());
    }
}

int autoConfigure(ApiCall& call, db2Uint32 version, void* parms) {
    if (version < db2Version810) {
        return call.fail(code::kInvalidParameter, {"versionNumber"});
    }
    if (parms == nullptr) {
        return call.fail(code::kInvalidParameter, {"pParmStruct"});
    }
    auto& request = *static_cast<Interface*>(parms);
    call.text(
        "iDbAlias",
        std::string(request.iDbAlias, strnlen(request.iDbAlias, sizeof(request.iDbAlias))).c_str());
    call.num("iApply", request.iApply).num("iParams", request.iParams.numElements);
    std::string database;
    std::vector<std::string> tokens;
    if (int refusal = targetDatabase(call, request, database, tokens)) {
        return call.fail(refusal, tokens);
    }
    if (!validApply(request.iApply)) {
        return call.fail(code::kInvalidParameter, {"iApply"});
    }
    AutoConfig advice;
    if (!advice.setInputs(request.iParams)) {
        return call.fail(code::kInvalidParameter, {"iParams"});
    }
    answer(request, advice, database, version < db2Version900);
    return call.succeed();
}

// Takes back one block; true when it was null or handed out.
bool takeBack(MemoryRegistry& memory, void* block) {
    return block == nullptr || memory.takeBack(block);
}

int freeMemory(ApiCall& call, db2Uint32 /*version*/, void* parms) {
    if (parms == nullptr) {
        return call.fail(code::kInvalidParameter, {"pParmStruct"});
    }
    db2AutoConfigOutput& out = static_cast<Interface*>(parms)->oResult;
    MemoryRegistry& memory = call.instance().memory();
    bool known = true;
    for (db2ConfigValues* values :
         {&out.oOldDbValues, &out.oOldDbmValues, &out.oNewDbValues, &out.oNewDbmValues}) {
        known = takeBack(memory, values->pConfigs) && known;
        known = takeBack(memory, values->pDataArea) && known;
    }
    known = takeBack(memory, out.oDiagnostics.pElements) && known;
    known = takeBack(memory, out.oOldBpValues.pElements) && known;
    known = takeBack(memory, out.oNewBpValues.pElements) && known;
    std::memset(&out, 0, sizeof(out));
    return known ? call.succeed() : call.fail(code::kInvalidParameter, {"oResult"});
}

const VersionedRegistration kAutoConfig("db2AutoConfig", &autoConfigure);
const VersionedRegistration kAutoConfigFree("db2AutoConfigFreeMemory", &freeMemory);

}  // namespace
}  // namespace db2sim
