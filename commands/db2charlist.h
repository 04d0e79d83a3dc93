// db2Char buffers of the newer APIs, owned: one per text, pioData a NUL-terminated copy of the
// text, iLength its length, oLength 0. The db2Char entries lie next to each other, so data() can
// be passed where DB2 takes an array (import's schemas to ignore); a single one is at(0). Entries
// and texts keep their addresses until the next assign or clear.
#pragma once

#include <cstddef>
#include <vector>

#include "db2api/db2structs.h"
#include "base/stdafx.h"

class DB2CharList {
  public:
    DB2CharList() = default;
    DB2CharList(const DB2CharList&) = delete;
    DB2CharList& operator=(const DB2CharList&) = delete;

    // False with the refusal in `why` (and empty) when a text is over 4294967295 bytes.
    bool assign(const std::vector<t_string>& texts, const char* what, t_string& why);
    void clear();

    std::size_t size() const { return entries.size(); }
    // The entries, or null when there are none.
    db2Char* data() { return entries.empty() ? nullptr : entries.data(); }
    // i < size().
    db2Char& at(std::size_t i) { return entries[i]; }

  private:
    std::vector<std::vector<char>> texts;
    std::vector<db2Char> entries;
};
