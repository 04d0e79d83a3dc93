#include "commands/config/autoconfigrows.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>

#include "commands/config/configureparameter.h"
#include "base/lexicalcast.h"

namespace {

const char* const kColumnNames[] = {
    "name", "type", "token", "current/old value", "recommended value", "value was applied",
    "brief"};
enum Column { kName = 1, kType, kToken, kOldValue, kNewValue, kApplied, kBrief };

const char kUnknownParameter[] = "Unknown parameter";

using Descriptor = std::unique_ptr<StructDBConfigInfo>;

// The catalogue's descriptor of a token, or null when the catalogue does not know it.
Descriptor findParameter(const tarvinex::JavaObject& factory, double version, int token) {
    const t_string className =
        tarvinex::JavaObject::getDB2CommandClassName(CDB2ConfigureParameter::kConfigParameterClass);
    jobject found = factory.callGetParameterMethod(className.c_str(), version, token);
    if (found == nullptr) {
        return nullptr;
    }
    return CDB2ConfigureParameter::getDBConfigParamInfo(
        tarvinex::JavaObject::adopt(factory.getEnv(), className.c_str(), found));
}

bool isNumeric(const StructDBConfigInfo& item) {
    return CDB2ConfigureParameter::isUsable(item) && item.DataType != CharString;
}

// How many bytes of a value DB2 hands back: the type's width, or the string and its NUL.
std::size_t valueWidth(const StructDBConfigInfo& item) {
    switch (item.DataType) {
        case CharString:
            return static_cast<std::size_t>(item.DataSize) + 1;
        case Uint16:
        case Uint16_YesNo:
        case Sint16:
            return sizeof(std::uint16_t);
        case Uint64:
            return sizeof(std::uint64_t);
        default:
            return sizeof(std::uint32_t);
    }
}

// The text of one value DB2 returned; empty when the descriptor cannot say how to read it.
t_string render(const StructDBConfigInfo& item, const char* value) {
    if (value == nullptr || !CDB2ConfigureParameter::isUsable(item)) {
        return t_string();
    }
    return CDB2ConfigureParameter::GetItemValue(item, value, valueWidth(item));
}

db2Uint32 pairedCount(db2Uint32 oldCount, const void* oldArray, db2Uint32 newCount,
                      const void* newArray) {
    if (oldArray == nullptr || newArray == nullptr) {
        return 0;
    }
    return std::min(oldCount, newCount);
}

t_string decimal(long long value) {
    return tarvinex::lexical_cast<t_string>(value);
}

}  // namespace

AutoConfigRows::AutoConfigRows(const tarvinex::JavaObject& factory,
                               const DB2APIDataContainer& container, double version, bool isV8,
                               int applyMode)
    : factory(factory), listing(container), version(version), isV8(isV8), applyMode(applyMode) {}

bool AutoConfigRows::AddColumns() {
    return listing.addColumns(kColumnNames, sizeof(kColumnNames) / sizeof(kColumnNames[0]));
}

bool AutoConfigRows::AddAll(const db2AutoConfigOutput& out) {
    addDiagnostics(out.oDiagnostics);
    addConfig(out.oOldDbValues, out.oNewDbValues, false);
    addConfig(out.oOldDbmValues, out.oNewDbmValues, true);
    addBufferPools(out.oOldBpValues, out.oNewBpValues);
    return listing.finish();
}

void AutoConfigRows::addDiagnostics(const db2AutoConfigDiags& diags) {
    if (diags.pElements == nullptr) {
        return;
    }
    for (db2Uint32 i = 0; i < diags.numElements; ++i) {
        const db2AutoConfigElement& entry = diags.pElements[i];
        const Descriptor info = findParameter(factory, version, entry.token);
        // A zeroed 8-byte local holds the 32-bit value, so no type reads past it; strings and
        // unknown types show the number itself.
        char local[8] = {};
        std::memcpy(local, &entry.value, sizeof(entry.value));
        const t_string text = info && isNumeric(*info) ? CDB2ConfigureParameter::GetItemValue(
                                                             *info, local, sizeof(local))
                                                       : decimal(entry.value);
        if (!listing.newRow()) {
            return;
        }
        listing.set(kName, info ? info->name : kUnknownParameter);
        listing.set(kType, "");
        listing.set(kToken, decimal(entry.token));
        listing.set(kOldValue, text);
        listing.set(kNewValue, text);
        listing.set(kApplied, "DIAGNOSTIC");
        listing.set(kBrief, info ? info->brief : kUnknownParameter);
    }
}

void AutoConfigRows::addConfig(const db2ConfigValues& oldValues, const db2ConfigValues& newValues,
                               bool isDbm) {
    const db2Uint32 count = pairedCount(oldValues.numElements, oldValues.pConfigs,
                                        newValues.numElements, newValues.pConfigs);
    for (db2Uint32 i = 0; i < count; ++i) {
        const Item before = itemAt(oldValues, i);
        const Item after = itemAt(newValues, i);
        const Descriptor info = findParameter(factory, version, before.token);
        const t_string oldText = info ? render(*info, before.value) : kUnknownParameter;
        const t_string newText = info ? render(*info, after.value) : kUnknownParameter;
        if (!listing.newRow()) {
            return;
        }
        listing.set(kName, info ? info->name : kUnknownParameter);
        listing.set(kType, isDbm ? "DBM" : "DB");
        listing.set(kToken, decimal(before.token));
        listing.set(kOldValue, translate(before.token, oldText));
        listing.set(kNewValue, translate(before.token, newText));
        listing.set(kApplied, applied(isDbm));
        listing.set(kBrief, info ? info->brief : kUnknownParameter);
    }
}

void AutoConfigRows::addBufferPools(const db2BpValues& oldValues, const db2BpValues& newValues) {
    const db2Uint32 count = pairedCount(oldValues.numElements, oldValues.pElements,
                                        newValues.numElements, newValues.pElements);
    for (db2Uint32 i = 0; i < count; ++i) {
        const db2AutoConfigNameElement& before = oldValues.pElements[i];
        const db2AutoConfigNameElement& after = newValues.pElements[i];
        if (!listing.newRow()) {
            return;
        }
        listing.set(kName, before.pName != nullptr ? before.pName : "");
        listing.set(kType, "0");
        listing.set(kToken, decimal(before.value));
        listing.set(kOldValue, decimal(after.value));
        listing.set(kNewValue, applyMode != 0 ? "Yes" : "No");
        listing.set(kApplied, "");
    }
}

AutoConfigRows::Item AutoConfigRows::itemAt(const db2ConfigValues& values, db2Uint32 i) const {
    if (isV8) {
        const sqlfupd* items = reinterpret_cast<const sqlfupd*>(values.pConfigs);
        return {items[i].token, items[i].ptrvalue};
    }
    return {static_cast<int>(values.pConfigs[i].token), values.pConfigs[i].ptrvalue};
}

t_string AutoConfigRows::translate(int token, const t_string& raw) const {
    // The catalogue translates by major version: 9.5 is asked as 9.0.
    return factory.callGetTranslationValueMethod(std::floor(version), token, raw.c_str());
}

const char* AutoConfigRows::applied(bool isDbm) const {
    switch (applyMode) {
        case 1:
            return "Yes";
        case 2:
            return isDbm ? "No" : "Yes";
        default:
            return "No";
    }
}
