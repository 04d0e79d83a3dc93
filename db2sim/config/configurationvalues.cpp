#include "db2sim/config/configurationvalues.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace db2sim {
namespace {

template <class T>
void put(T value, char* out) {
    std::memcpy(out, &value, sizeof(value));
}

template <class T>
T take(const char* in) {
    T value;
    std::memcpy(&value, in, sizeof(value));
    return value;
}

void writeNumber(const ConfigParam& param, const std::string& text, char* out) {
    long long number = std::strtoll(text.c_str(), nullptr, 10);
    switch (param.type) {
        case CfgType::kUint16:
            return put(static_cast<uint16_t>(number), out);
        case CfgType::kSint16:
            return put(static_cast<int16_t>(number), out);
        case CfgType::kUint32:
            return put(static_cast<uint32_t>(number), out);
        case CfgType::kSint32:
            return put(static_cast<int32_t>(number), out);
        case CfgType::kUint64:
            return put(static_cast<uint64_t>(std::strtoull(text.c_str(), nullptr, 10)), out);
        case CfgType::kString:
            break;
    }
}

long long readSigned(const ConfigParam& param, const char* in) {
    switch (param.type) {
        case CfgType::kUint16:
            return take<uint16_t>(in);
        case CfgType::kSint16:
            return take<int16_t>(in);
        case CfgType::kUint32:
            return take<uint32_t>(in);
        case CfgType::kSint32:
            return take<int32_t>(in);
        default:
            return 0;
    }
}

}  // namespace

void ConfigurationValues::write(const ConfigParam& param, const std::string& text, char* out) {
    if (param.type != CfgType::kString) {
        writeNumber(param, text, out);
        return;
    }
    size_t width = ConfigParams::width(param);
    std::memset(out, 0, width);
    std::memcpy(out, text.data(), text.size() < param.length ? text.size() : param.length);
}

bool ConfigurationValues::read(const ConfigParam& param, const char* in, std::string& text) {
    if (param.type == CfgType::kString) {
        text.assign(in, strnlen(in, param.length));
        return true;
    }
    if (param.type == CfgType::kUint64) {
        uint64_t number = take<uint64_t>(in);
        text = std::to_string(number);
        return number >= static_cast<uint64_t>(param.min) &&
               number <= static_cast<uint64_t>(param.max);
    }
    long long number = readSigned(param, in);
    text = std::to_string(number);
    return number >= param.min && number <= param.max;
}

}  // namespace db2sim
