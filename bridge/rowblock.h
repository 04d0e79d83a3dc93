// Rows for a DB2APIDataContainer, recorded natively and handed to Java in one call.
//
// A listing of many thousands of rows would otherwise cross into Java once per cell. The block
// records the container calls themselves, newRow() and setColumnValue(column, text), in order;
// the container's addRecordedRows(byte[]) makes the same calls on the Java side. So a subclass
// that overrides them, or a call Java refuses, behaves as if the calls had been made one by one.
//
// Layout: a record starts with a tag byte. Tag 0 is newRow(); tag 1 is setColumnValue, followed
// by the column number and the byte length (big-endian 32-bit) and the text as standard UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvinex {

class RowBlock {
  public:
    void newRow();
    // The text is read as toModifiedUtf8 reads it (see native/javatext.h).
    void setColumnValue(int column, std::string_view text);

    std::size_t rows() const { return m_rows; }
    bool empty() const { return m_bytes.empty(); }
    const std::string& bytes() const { return m_bytes; }
    // Clearing keeps the capacity, so a block reused for many rows allocates once.
    void clear();
    void reserve(std::size_t bytes) { m_bytes.reserve(bytes); }

  private:
    void putInt(std::uint32_t value);

    std::string m_bytes;
    std::size_t m_rows = 0;
};

}  // namespace tarvinex
