// What recovery keeps of one database besides its history, in "recovery/<NAME>" of the state
// folder (so a backup image carries it): the log files, the image a pending rollforward started
// from, and the quiesces of its tables' table spaces. Whether a rollforward is pending is the
// database's configuration parameter rollfwd_pending (0 no, 1 database, 2 table space).
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "db2sim/core/statehome.h"

namespace db2sim {

struct RecoveryState {
    std::uint32_t currentLog = 0;  // the active log, S<7 digits>.LOG
    std::uint32_t firstLog = 0;    // the oldest log kept; older ones were pruned
    std::string imageTime;         // yyyymmddhhmmss of the image restored, while pending
    std::uint32_t imageLog = 0;    // the active log when that image was taken
    bool inProgress = false;       // a rollforward ran without stopping
    std::string lastCommit;        // yyyymmddhhmmss reached by the last rollforward
    std::map<std::string, std::string> quiesces;  // "SCHEMA.TABLE" -> mode and authid

    static std::string fileName(const std::string& database) { return "recovery/" + database; }
    // A missing or unreadable file reads as a fresh database's state.
    static RecoveryState load(StateHome& home, const std::string& database);
    bool save(StateHome& home, const std::string& database) const;

    static std::string logName(std::uint32_t number);  // "S0000012.LOG"
};

}  // namespace db2sim
