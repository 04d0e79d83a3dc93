#include "db2sim/monitor/monitorstream.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "db2sim/monitor/monitorelements.h"

namespace db2sim {

MonitorStream& MonitorStream::open(uint16_t element) {
    open_.push_back(bytes_.size());
    header(0, mon::kTypeHeader, element);
    return *this;
}

MonitorStream& MonitorStream::close() {
    if (open_.empty()) {
        throw std::logic_error("monitor stream: close without open");
    }
    size_t start = open_.back();
    open_.pop_back();
    uint32_t size = static_cast<uint32_t>(bytes_.size() - start - kHeaderSize);
    std::memcpy(bytes_.data() + start, &size, sizeof(size));
    return *this;
}

MonitorStream& MonitorStream::u16(uint16_t element, uint16_t value) {
    return number(mon::kTypeU16, element, value);
}

MonitorStream& MonitorStream::s32(uint16_t element, int32_t value) {
    return number(mon::kTypeS32, element, value);
}

MonitorStream& MonitorStream::u32(uint16_t element, uint32_t value) {
    return number(mon::kTypeU32, element, value);
}

MonitorStream& MonitorStream::u64(uint16_t element, uint64_t value) {
    return number(mon::kTypeU64, element, value);
}

MonitorStream& MonitorStream::text(uint16_t element, std::string_view value, size_t width) {
    size_t size = std::min(value.size(), width);
    header(static_cast<uint32_t>(size), mon::kTypeString, element);
    data(value.data(), size);
    return *this;
}

MonitorStream& MonitorStream::time(uint16_t element, uint32_t seconds, uint32_t microseconds) {
    open(element);
    u32(mon::kSeconds, seconds).u32(mon::kMicrosec, microseconds);
    return close();
}

void MonitorStream::header(uint32_t size, uint16_t type, uint16_t element) {
    unsigned char raw[kHeaderSize];
    std::memcpy(raw, &size, 4);
    std::memcpy(raw + 4, &type, 2);
    std::memcpy(raw + 6, &element, 2);
    data(raw, sizeof(raw));
}

void MonitorStream::data(const void* value, size_t size) {
    const auto* first = static_cast<const unsigned char*>(value);
    bytes_.insert(bytes_.end(), first, first + size);
}

template <class T>
MonitorStream& MonitorStream::number(uint16_t type, uint16_t element, T value) {
    header(sizeof(T), type, element);
    data(&value, sizeof(T));
    return *this;
}

}  // namespace db2sim
