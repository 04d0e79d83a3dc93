// The recovery history of each database: one file per database in the state folder,
// "history/<NAME>", read and written whole on every change, so a backup image carries it like
// any other state file and a restore needs no reload. Backup, restore, rollforward, archive log,
// quiesce and the other areas' utilities (load, reorg, runstats) add entries through
// recordHistory(); the history entry points list, prune and update them.
//
// Call everything here from an entry point that holds the instance lock exclusively
// (Access::kChange): the file is read, changed and written in one piece under it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace db2sim {

// The one-character codes of an entry, as DB2 lists them.
namespace history {

// Operation.
constexpr char kCreateTablespace = 'A';
constexpr char kBackup = 'B';
constexpr char kLoadCopy = 'C';
constexpr char kDroppedTable = 'D';
constexpr char kRollforward = 'F';
constexpr char kReorg = 'G';
constexpr char kLoad = 'L';
constexpr char kRenameTablespace = 'N';
constexpr char kDropTablespace = 'O';
constexpr char kQuiesce = 'Q';
constexpr char kRestore = 'R';
constexpr char kRunstats = 'S';
constexpr char kAlterTablespace = 'T';
constexpr char kUnload = 'U';
constexpr char kArchiveLog = 'X';

// Object.
constexpr char kDatabase = 'D';
constexpr char kIndex = 'I';
constexpr char kTablespace = 'P';
constexpr char kTable = 'T';

// Status.
constexpr char kActive = 'A';
constexpr char kDeleted = 'D';
constexpr char kExpired = 'E';
constexpr char kInactive = 'I';
constexpr char kDoNotDelete = 'X';

// Device type.
constexpr char kDisk = 'D';
constexpr char kTsm = 'A';
constexpr char kVendor = 'O';
constexpr char kUserExit = 'U';
constexpr char kXbsa = 'X';
constexpr char kStatement = 'Q';
constexpr char kNoDevice = ' ';

}  // namespace history

// One entry. The caller fills what the operation knows; the store sets the sequence and the id.
struct HistoryEntry {
    char operation = history::kBackup;
    char object = history::kDatabase;
    char optype = ' ';  // per operation, e.g. backup 'F' offline, 'N' online; load 'I' insert
    char status = history::kActive;
    char deviceType = history::kNoDevice;
    std::string timestamp;  // start, yyyymmddhhmmss; empty: now
    std::string endTime;    // yyyymmddhhmmss; empty: the start
    std::string firstLog;   // "S0000000.LOG"
    std::string lastLog;
    std::string backupId;
    std::string tableQualifier;
    std::string tableName;
    std::string location;  // image path, load input, ...
    std::string comment;
    std::string commandText;
    std::vector<std::string> tablespaces;
    std::int32_t sqlcode = 0;  // of the operation, for the entry's event sqlca

    // Set by the store.
    unsigned sequence = 1;  // 1..999 among the entries of one timestamp
    std::uint32_t eid = 0;  // 1, 2, ... in the order entries were added; never reused

    // Timestamp and sequence, "yyyymmddhhmmss001": how DB2 names an entry.
    std::string objectPart() const;
};

// Adds `entry` to the history of the database named `database` (its name or an alias of the
// instance, any case) and returns its id; 0 when no such database exists or the file cannot be
// written.
std::uint32_t recordHistory(const std::string& database, HistoryEntry entry);

}  // namespace db2sim
