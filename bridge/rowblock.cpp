#include "bridge/rowblock.h"

#include <algorithm>

#include "base/javatext.h"

namespace tarvinex {
namespace {

constexpr char kNewRow = 0;
constexpr char kSetColumnValue = 1;
constexpr std::size_t kHeader = 9;  // tag, column, length

// Big-endian, as java.nio.ByteBuffer reads it.
void writeInt(char* out, std::uint32_t value) {
    out[0] = static_cast<char>((value >> 24) & 0xFFu);
    out[1] = static_cast<char>((value >> 16) & 0xFFu);
    out[2] = static_cast<char>((value >> 8) & 0xFFu);
    out[3] = static_cast<char>(value & 0xFFu);
}

std::uint32_t readInt(const char* in) {
    const auto* p = reinterpret_cast<const unsigned char*>(in);
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

}  // namespace

void RowBlock::newRow() {
    *append(1) = kNewRow;
    ++m_rows;
}

void RowBlock::setColumnValue(int column, std::string_view text) {
    if (!isAscii(text.data(), text.size())) {
        m_scratch.clear();
        appendStandardUtf8(m_scratch, text.data(), text.size());
        text = m_scratch;
    }
    char* out = append(kHeader + text.size());
    out[0] = kSetColumnValue;
    writeInt(out + 1, static_cast<std::uint32_t>(column));
    writeInt(out + 5, static_cast<std::uint32_t>(text.size()));
    std::copy_n(text.data(), text.size(), out + kHeader);  // an empty view may have no data
}

std::size_t RowBlock::read(std::size_t offset, Record& record) const {
    const char* at = m_buffer.data() + offset;
    if (*at == kNewRow) {
        record = Record{true, 0, std::string_view()};
        return offset + 1;
    }
    const std::uint32_t length = readInt(at + 5);
    record =
        Record{false, static_cast<int>(readInt(at + 1)), std::string_view(at + kHeader, length)};
    return offset + kHeader + length;
}

void RowBlock::clear() {
    m_size = 0;
    m_rows = 0;
}

void RowBlock::reserve(std::size_t bytes) {
    if (bytes > m_buffer.size()) {
        m_buffer.resize(bytes);
    }
}

void RowBlock::grow(std::size_t bytes) {
    m_buffer.resize(std::max(2 * m_buffer.size(), m_size + bytes));
}

}  // namespace tarvinex
