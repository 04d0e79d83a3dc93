// The table spaces and containers of a database as the monitor and the table space queries show
// them, read from the database's state file "tablespaces/<NAME>" on every use (so a restore or a
// change of containers by another area is seen at once). A database without the file (the
// instance's first database) has DB2's three default SMS table spaces.
//
// Ids follow DB2's: SYSCATSPACE 0, TEMPSPACE1 1, USERSPACE1 2, the others from 3 in file order.
// Page counts are computed from the definition so the same database always answers the same.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace db2sim {

class StateHome;

struct ContainerInfo {
    uint32_t id = 0;
    uint32_t type = 0;  // SQLB_CONT_PATH, _DISK, _FILE
    uint32_t totalPages = 0;
    uint32_t useablePages = 0;
    std::string name;
};

struct TablespaceInfo {
    uint32_t id = 0;
    std::string name;
    uint32_t flags = 0;  // SQLB_TBS_SMS or _DMS, with the contents bits
    uint32_t pageSize = 4096;
    uint32_t extentSize = 32;
    uint32_t prefetchSize = 32;
    uint32_t totalPages = 0;
    uint32_t useablePages = 0;
    uint32_t usedPages = 0;
    uint32_t freePages = 0;
    uint32_t highWaterMark = 0;
    std::vector<ContainerInfo> containers;

    bool sms() const;
};

class TablespaceCatalog {
  public:
    // The table spaces of the database of that name (upper case), in id order.
    static std::vector<TablespaceInfo> read(const StateHome& home, const std::string& database);
    // The one with that id, or null.
    static const TablespaceInfo* find(const std::vector<TablespaceInfo>& all, uint32_t id);
};

}  // namespace db2sim
