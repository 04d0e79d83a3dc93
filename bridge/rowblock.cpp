#include "bridge/rowblock.h"

#include "native/javatext.h"

namespace tarvinex {
namespace {

constexpr char kNewRow = 0;
constexpr char kSetColumnValue = 1;

}  // namespace

void RowBlock::newRow() {
    m_bytes.push_back(kNewRow);
    ++m_rows;
}

void RowBlock::setColumnValue(int column, std::string_view text) {
    m_bytes.push_back(kSetColumnValue);
    putInt(static_cast<std::uint32_t>(column));
    const std::size_t lengthAt = m_bytes.size();
    putInt(0);
    appendStandardUtf8(m_bytes, text.data(), text.size());
    const std::size_t length = m_bytes.size() - lengthAt - 4;
    for (int i = 0; i < 4; ++i) {
        m_bytes[lengthAt + i] = static_cast<char>((length >> (24 - 8 * i)) & 0xFFu);
    }
}

void RowBlock::clear() {
    m_bytes.clear();
    m_rows = 0;
}

void RowBlock::putInt(std::uint32_t value) {
    const char bytes[4] = {static_cast<char>((value >> 24) & 0xFF),
                           static_cast<char>((value >> 16) & 0xFF),
                           static_cast<char>((value >> 8) & 0xFF), static_cast<char>(value & 0xFF)};
    m_bytes.append(bytes, sizeof(bytes));
}

}  // namespace tarvinex
