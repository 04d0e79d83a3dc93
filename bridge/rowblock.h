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
#include <vector>

namespace tarvinex {

class RowBlock {
  public:
    // One recorded call, as read back: newRow(), or setColumnValue(column, text).
    struct Record {
        bool isNewRow;
        int column;
        std::string_view text;  // standard UTF-8, viewing the block
    };

    void newRow();
    // The text is read as toModifiedUtf8 reads it (see base/javatext.h).
    void setColumnValue(int column, std::string_view text);

    std::size_t rows() const { return m_rows; }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const char* data() const { return m_buffer.data(); }
    // Reads the record at `offset` (0 for the first) and returns the offset of the next one;
    // the block ends where that equals size().
    std::size_t read(std::size_t offset, Record& record) const;
    // Clearing keeps the room, so a block reused for many rows allocates once.
    void clear();
    void reserve(std::size_t bytes);

  private:
    // Room for `bytes` more at the end; returns where they go.
    char* append(std::size_t bytes) {
        if (m_buffer.size() - m_size < bytes) {
            grow(bytes);
        }
        char* at = m_buffer.data() + m_size;
        m_size += bytes;
        return at;
    }
    void grow(std::size_t bytes);

    std::vector<char> m_buffer;  // its size is the room; the block is the first m_size bytes
    std::size_t m_size = 0;
    std::size_t m_rows = 0;
    std::string m_scratch;  // text that is not plain ASCII, converted
};

}  // namespace tarvinex
