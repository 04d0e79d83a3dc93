// The buffers one recovery history entry is read into, owned and reused for every entry of a
// scan: a full entry's command text alone is 2 MiB, allocated once per command rather than per
// row. Texts are read as DB2 reports them, never past their buffers: min(oLength, iLength)
// bytes, up to the first NUL, without trailing blanks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "db2api/db2structs.h"

class HistoryEntry {
  public:
    // The most table space names prepared for, whatever DB2 announces.
    static constexpr db2Uint32 kMaxTablespaces = 32768;

    HistoryEntry() = default;
    HistoryEntry(const HistoryEntry&) = delete;
    HistoryEntry& operator=(const HistoryEntry&) = delete;

    // Every text of an entry, and room for `tablespaces` table space names.
    void prepareAll(db2Uint32 tablespaces);
    // Only the object part (the update command looks entries up by it).
    void prepareObjectPart();
    // The header, ready for the next get: eye-catcher, buffers, cleared outputs. The bytes the
    // previous entry wrote are cleared too.
    db2HistoryData& next();

    const db2HistoryData& data() const { return header; }
    static std::string_view text(const db2Char& field);
    // The names of the first oNumTablespaces table spaces (never more than prepared), joined
    // with ", ".
    std::string tablespaceNames() const;
    // oLastLSN as 12 hexadecimal digits, its six bytes in order.
    std::string lastLsn() const;
    // A one-character column; "" when DB2 left the character NUL.
    static std::string_view flag(const char& c);

  private:
    struct Buffer {
        std::vector<char> bytes;
        db2Char* field = nullptr;  // the header field (or table space entry) pointing to it
    };
    void add(db2Char& field, db2Uint32 size);
    static void clearUsed(Buffer& buffer);

    db2HistoryData header{};
    sqlca eventSqlca{};
    std::vector<db2Char> tablespaces;
    std::vector<Buffer> buffers;
};
