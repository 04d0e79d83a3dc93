// The utilities running in the instance, as LIST UTILITIES would show them: an in-place table
// reorganisation from its start until it is stopped, and whatever the control interface starts
// (db2sim_start_utility) so tests have a utility to change. Ids count from 1 and are never
// reused within a process; a reset stops every utility.
//
// Threads: one leaf lock of its own.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace db2sim {

struct RunningUtility {
    std::uint32_t id = 0;
    std::string database;     // upper case
    std::string description;  // e.g. "REORG TABLE DB2INST1.STAFF INPLACE"
    std::string object;       // what it works on (a table's qualified name), may be empty
    std::uint32_t priority = 0;
    bool paused = false;
};

class RunningUtilities {
  public:
    static constexpr std::uint32_t kMaxPriority = 100;

    static RunningUtilities& get();

    std::uint32_t start(const std::string& database, const std::string& description,
                        const std::string& object, std::uint32_t priority);
    bool stop(std::uint32_t id);
    // False when no utility has that id.
    bool setPriority(std::uint32_t id, std::uint32_t priority);
    bool setPaused(std::uint32_t id, bool paused);
    std::optional<RunningUtility> find(std::uint32_t id) const;
    // The utility working on `object` in `database`, if any.
    std::optional<RunningUtility> findByObject(const std::string& database,
                                               const std::string& object) const;
    std::vector<RunningUtility> list() const;
    void clear();

  private:
    RunningUtilities();

    mutable std::mutex lock_;
    std::map<std::uint32_t, RunningUtility> running_;
    std::uint32_t next_ = 1;

    template <class T>
    friend class NoDestructor;
};

}  // namespace db2sim
