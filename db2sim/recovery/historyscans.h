// The open history scans, by 16-bit handle: each holds the entries it matched when it opened and
// the next one to hand out, and belongs to the context that opened it (its end closes it, as
// does a reset). A few may be open at once, as in DB2. Only kChange calls open, read and close
// scans; the lock guards the table for the counters and the end of a context.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

#include "db2sim/recovery/history.h"

namespace db2sim {

class HistoryScans {
  public:
    static constexpr size_t kMaxScans = 8;

    struct Scan {
        void* ctx = nullptr;
        std::vector<HistoryEntry> entries;
        size_t next = 0;
    };

    static HistoryScans& get();

    // The new scan's handle, 0 when kMaxScans are open.
    std::uint16_t open(Scan scan);
    // The scan of that handle, or null; valid until the next open or close.
    Scan* find(std::uint16_t handle);
    bool close(std::uint16_t handle);
    long count();

  private:
    HistoryScans();

    std::mutex lock_;
    std::map<std::uint16_t, Scan> scans_;
    std::uint16_t last_ = 0;

    template <class T>
    friend class NoDestructor;
};

}  // namespace db2sim
