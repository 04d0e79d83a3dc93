// Writes DB2's self-describing monitor stream: each element an sqlm_header_info (size u32, type
// u16, element u16, in the machine's byte order) followed by its data. A logical group is an
// element of type header whose data are the elements written until it is closed; its size word
// is filled in then, so nested sizes always add up.
//
//     MonitorStream stream;
//     stream.open(mon::kCollected);
//     stream.u32(mon::kNodeNumber, 0).text(mon::kDbName, "SAMPLE");
//     stream.close();
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace db2sim {

class MonitorStream {
  public:
    static constexpr size_t kHeaderSize = 8;

    // Starts a logical group; close() ends the innermost open one.
    MonitorStream& open(uint16_t element);
    MonitorStream& close();

    MonitorStream& u16(uint16_t element, uint16_t value);
    MonitorStream& s32(uint16_t element, int32_t value);
    MonitorStream& u32(uint16_t element, uint32_t value);
    MonitorStream& u64(uint16_t element, uint64_t value);
    // A string element: its bytes, no terminator, at most `width` of them (the element's size in
    // DB2's own structures).
    MonitorStream& text(uint16_t element, std::string_view value, size_t width = 256);
    // A timestamp: a logical group holding seconds and microseconds.
    MonitorStream& time(uint16_t element, uint32_t seconds, uint32_t microseconds);

    // The stream; every group must be closed.
    const std::vector<unsigned char>& bytes() const { return bytes_; }
    bool complete() const { return open_.empty(); }

  private:
    void header(uint32_t size, uint16_t type, uint16_t element);
    void data(const void* value, size_t size);
    template <class T>
    MonitorStream& number(uint16_t type, uint16_t element, T value);

    std::vector<unsigned char> bytes_;
    std::vector<size_t> open_;  // offsets of the open groups' headers
};

}  // namespace db2sim
