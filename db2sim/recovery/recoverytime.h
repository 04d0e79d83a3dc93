// Time stamps of the recovery utilities: "yyyymmddhhmmss" in local time, as DB2 names backup
// images and history entries.
#pragma once

#include <string>

namespace db2sim {

class RecoveryTime {
  public:
    static std::string now();
    // 14 digits that make a real date and time.
    static bool valid(const std::string& stamp);
    // The stamp one second later (a second backup within the same second gets the next one).
    static std::string next(const std::string& stamp);
    // "yyyy-mm-dd-hh.mm.ss.000000", the form rollforward reports times in.
    static std::string iso(const std::string& stamp);
};

}  // namespace db2sim
