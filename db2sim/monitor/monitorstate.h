// What the database monitor keeps per application: the monitor switches of each instance
// attachment (with the time each was last turned on) and the points its counters were last reset
// at. An application's view lives as long as the attachment it was made for: a detach, a new
// attachment or the end of the context drops it, and a context without an attachment sees the
// instance's defaults (the dft_mon_* parameters of the manager's configuration).
//
// The table has a lock of its own (an area lock), so the monitor calls run at once.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <ctime>
#include <map>
#include <mutex>
#include <string>

#include "db2sim/monitor/monitorelements.h"

namespace db2sim {

struct SwitchState {
    bool on = false;
    std::time_t setTime = 0;  // when it was last turned on; 0 while off
};

using Switches = std::array<SwitchState, mon::kSwitchCount>;

// Counters of one database as an application sees them.
struct DatabaseCounters {
    long totalCons = 0;         // connections made since the last reset
    std::time_t lastReset = 0;  // 0: never reset by this application
};

class MonitorState {
  public:
    static MonitorState& get();

    // The switches `ctx` sees: its attachment's, else the instance's defaults.
    Switches switches(const void* ctx);
    // Applies SQLM_ON / SQLM_OFF / SQLM_HOLD per group to the view of the context's attachment
    // (`agentId`); groups past `count` are held. Returns the switches now in force.
    Switches setSwitches(const void* ctx, long agentId, const uint32_t* states, int count);

    // Resets the counters of `database` (empty: of every database) for the context's attachment.
    void reset(const void* ctx, long agentId, const std::string& database);
    DatabaseCounters counters(const void* ctx, const std::string& database);

    // When the instance started: the last reset of the stand-in.
    std::time_t startTime() const { return startTime_.load(); }

    // Applications connected to SAMPLE that hold nothing and do nothing: they only make the
    // application snapshots as long as a test needs. A reset drops them.
    void setIdleApplications(long count) { idleApplications_.store(count); }
    long idleApplications() const { return idleApplications_.load(); }

  private:
    struct Baseline {
        long connects = 0;
        std::time_t at = 0;
    };
    struct View {
        long agentId = 0;
        Switches switches{};
        std::map<std::string, Baseline> baselines;  // by database name, upper case
    };

    MonitorState();
    // The instance's defaults, read from the configuration before the table's lock is taken.
    Switches defaults() const;
    // The context's view, made from `defaults` when missing or made for another attachment.
    View& viewOf(const void* ctx, long agentId, const Switches& defaults);
    // The attachment's agent id of the context, or 0.
    static long attachedAgent(const void* ctx);
    void clear();

    std::mutex lock_;
    std::map<const void*, View> views_;
    std::atomic<std::time_t> startTime_;
    std::atomic<long> idleApplications_{0};

    template <class T>
    friend class NoDestructor;
};

}  // namespace db2sim
