// Database partition numbers for DB2 (16-bit SQL_PDB_NODE_TYPE, 0 to 999), owned with the
// db2LoadNodeList that points to them. A list may be absent: a null Java collection means "no
// list" (DB2's default), and loadNodeList() and numbers() are then null.
//
// The numbers come from a Java collection of Integer (read to the end, never trusting size()), a
// partition text with ranges ("1, 3 TO 5": PartitionRangeText) or a vector. Any number outside
// 0..999, a null element or more than 65535 numbers (iNumNodes is 16-bit) is refused with a
// message naming the list; on refusal the list is absent.
#pragma once

#include <cstddef>
#include <vector>

#include "bridge/javaobject.h"
#include "db2api/db2structs.h"
#include "base/stdafx.h"

class PartitionList {
  public:
    static constexpr std::size_t kMaxCount = 65535;

    PartitionList();
    PartitionList(const PartitionList&) = delete;
    PartitionList& operator=(const PartitionList&) = delete;

    // Takes the numbers, checking each and the count.
    bool assign(const std::vector<long long>& numbers, const char* what, t_string& why);
    // Parses a partition text with ranges; an empty text gives a present, empty list.
    bool parse(const t_string& text, const char* what, t_string& why);
    // Reads a Java collection of Integer (a null collection: absent, true). Raises the refusal
    // as an SQLException; a Java failure leaves its own exception pending. False either way.
    bool read(const tarvinex::JavaObject& collection, const char* what);
    // No list.
    void clear();

    bool present() const { return isPresent; }
    std::size_t size() const { return values.size(); }
    // The numbers, or null when absent or empty.
    SQL_PDB_NODE_TYPE* numbers();
    // {numbers(), size()}, or null when absent.
    db2LoadNodeList* loadNodeList();
    const std::vector<SQL_PDB_NODE_TYPE>& view() const { return values; }

  private:
    std::vector<SQL_PDB_NODE_TYPE> values;
    db2LoadNodeList nodeList;
    bool isPresent = false;
};
