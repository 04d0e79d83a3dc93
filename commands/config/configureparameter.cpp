#include "commands/config/configureparameter.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <ios>
#include <limits>
#include <sstream>

#include "base/lexicalcast.h"

namespace {

struct TypeName {
    const char* name;
    DBConfigInfoDataType type;
};

const TypeName kTypeNames[] = {
    {"char", CharString}, {"uint16", Uint16}, {"sint16", Sint16}, {"uint32", Uint32},
    {"sint32", Sint32},   {"uint64", Uint64}, {"float", Float},
};

bool equalsIgnoreCase(const t_string& text, const char* name) {
    const std::size_t length = std::strlen(name);
    if (text.size() != length) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != name[i]) {
            return false;
        }
    }
    return true;
}

// Bytes a numeric value of the type occupies (0 for strings and unknown types).
std::size_t valueWidth(DBConfigInfoDataType type) {
    switch (type) {
        case Uint16:
        case Uint16_YesNo:
        case Sint16:
            return sizeof(std::uint16_t);
        case Uint32:
        case Sint32:
        case Float:
            return sizeof(std::uint32_t);
        case Uint64:
            return sizeof(std::uint64_t);
        default:
            return 0;
    }
}

template <typename T>
T readAs(const char* value) {
    T result;
    std::memcpy(&result, value, sizeof(result));
    return result;
}

template <typename T>
t_string decimal(T value) {
    return tarvinex::lexical_cast<t_string>(value);
}

t_string renderString(const char* value, std::size_t size) {
    const void* end = std::memchr(value, '\0', size);
    const std::size_t length =
        end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - value) : size;
    return t_string(value, length);
}

// The 64 bits as a signed value, shown without a sign; INT64_MIN has no signed magnitude.
t_string renderUint64(const char* value) {
    const std::int64_t number = readAs<std::int64_t>(value);
    std::uint64_t magnitude = static_cast<std::uint64_t>(number);
    if (number < 0) {
        magnitude = std::uint64_t{0} - magnitude;
    }
    return decimal(magnitude);
}

t_string renderNumber(DBConfigInfoDataType type, const char* value) {
    switch (type) {
        case Uint16:
            return decimal(readAs<std::uint16_t>(value));
        case Uint16_YesNo:
            return readAs<std::uint16_t>(value) == 0 ? CDB2ConfigureParameter::kNo
                                                     : CDB2ConfigureParameter::kYes;
        case Sint16:
            return decimal(readAs<std::int16_t>(value));
        case Uint32:  // shown signed, as DB2 users know it
        case Sint32:
            return decimal(readAs<std::int32_t>(value));
        case Uint64:
            return renderUint64(value);
        case Float:
            return decimal(readAs<float>(value));
        default:
            return t_string();
    }
}

// Reads a number the way lexical_cast does (leading blanks skipped, trailing text ignored).
template <typename T>
bool parse(const t_string& text, T& out) {
    std::stringstream ss(std::ios_base::in | std::ios_base::out);
    ss.setf(std::ios_base::dec | std::ios_base::fixed);
    ss << text;
    return static_cast<bool>(ss >> out);
}

// An integer of N bits: signed types take their own range, unsigned ones also negatives down to
// the signed minimum (stored as the bit pattern).
template <typename Stored>
bool storeInteger(const t_string& text, char* buffer) {
    long long number = 0;
    if (!parse(text, number)) {
        return false;
    }
    using Signed = std::make_signed_t<Stored>;
    using Unsigned = std::make_unsigned_t<Stored>;
    const long long lowest = std::numeric_limits<Signed>::min();
    const unsigned long long highest = std::is_signed_v<Stored>
                                           ? std::numeric_limits<Signed>::max()
                                           : std::numeric_limits<Unsigned>::max();
    if (number < lowest || (number > 0 && static_cast<unsigned long long>(number) > highest)) {
        return false;
    }
    const Stored value = static_cast<Stored>(number);
    std::memcpy(buffer, &value, sizeof(value));
    return true;
}

bool storeFloat(const t_string& text, char* buffer) {
    float value = 0;
    if (!parse(text, value)) {
        return false;
    }
    std::memcpy(buffer, &value, sizeof(value));
    return true;
}

void storeString(const StructDBConfigInfo& item, const t_string& text, char* buffer,
                 std::size_t size) {
    const std::size_t limit =
        std::min<std::size_t>(static_cast<std::size_t>(item.DataSize), size - 1);
    const std::size_t length = std::min(text.size(), limit);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

}  // namespace

DBConfigInfoDataType CDB2ConfigureParameter::getDataType(const t_string& strDataType) {
    for (const TypeName& entry : kTypeNames) {
        if (equalsIgnoreCase(strDataType, entry.name)) {
            return entry.type;
        }
    }
    return NotAToken;
}

std::unique_ptr<StructDBConfigInfo> CDB2ConfigureParameter::getDBConfigParamInfo(
    const tarvinex::JavaObject& paramObject, bool readBrief) {
    if (paramObject.isNull()) {
        return nullptr;
    }
    auto info = std::make_unique<StructDBConfigInfo>();
    info->name = paramObject.callTextMethod("getName");
    info->token = paramObject.callIntegerMethod("getToken", 0);
    info->DataType = getDataType(paramObject.callTextMethod("getDataType"));
    info->DataSize = paramObject.callIntegerMethod("getDataSize", 0);
    if (readBrief) {
        info->brief = paramObject.callTextMethod("getBrief");
    }
    return info;
}

bool CDB2ConfigureParameter::isUsable(const StructDBConfigInfo& item) {
    if (item.DataType < CharString || item.DataType >= NotAToken) {
        return false;
    }
    return item.DataSize >= 0 && item.DataSize <= kMaxDataSize;
}

int CDB2ConfigureParameter::GetItemAllocSize(const StructDBConfigInfo& item) {
    if (!isUsable(item)) {
        return 0;
    }
    // DB2 reads and writes a token at its own width, whatever type the catalogue claims: a path
    // typed as a number still gets 216 bytes written, a 64-bit token typed as 16 bits still has
    // 8 bytes read. So every type gets the string floor; a number's value is rendered from, and
    // stored into, its first bytes.
    const int wanted = item.DataType == CharString ? item.DataSize + 1 : 0;
    return std::max(wanted, kMinStringBuffer);
}

t_string CDB2ConfigureParameter::GetItemValue(const StructDBConfigInfo& item, const char* value,
                                              std::size_t size) {
    if (value == nullptr || !isUsable(item)) {
        return t_string();
    }
    if (item.DataType == CharString) {
        return renderString(value, size);
    }
    if (size < valueWidth(item.DataType)) {
        return t_string();
    }
    return renderNumber(item.DataType, value);
}

bool CDB2ConfigureParameter::SetItemValue(const StructDBConfigInfo& item, const t_string& text,
                                          char* buffer, std::size_t size) {
    if (buffer == nullptr || size == 0 || !isUsable(item)) {
        return false;
    }
    if (item.DataType == CharString) {
        storeString(item, text, buffer, size);
        return true;
    }
    if (size < valueWidth(item.DataType)) {
        return false;
    }
    switch (item.DataType) {
        case Uint16:
        case Uint16_YesNo:
            return storeInteger<std::uint16_t>(text, buffer);
        case Sint16:
            return storeInteger<std::int16_t>(text, buffer);
        case Uint32:
            return storeInteger<std::uint32_t>(text, buffer);
        case Sint32:
            return storeInteger<std::int32_t>(text, buffer);
        case Uint64:
            return storeInteger<std::int64_t>(text, buffer);
        default:
            return storeFloat(text, buffer);
    }
}
