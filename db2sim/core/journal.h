// The journal: one line per entry-point call, the newest kept, the oldest dropped past the bound.
//
// Writers do not wait for each other: each thread stores its lines in a buffer of its own, each
// line stamped with a process-wide sequence number; reading merges the buffers by number. A
// thread's lines are therefore whole and in its call order, and lines of different threads are
// in the order their calls ended. A buffer drops its lines that fell out of the newest kMaxLines
// when it stores the next one, and outlives its thread until it is empty.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace db2sim {

class Journal {
  public:
    static constexpr size_t kMaxLines = 100000;

    // Stores one line made of `parts` in order. A buffer reuses the storage of the lines it
    // dropped, so a steady stream of calls stores lines without allocating.
    void add(std::initializer_list<std::string_view> parts);
    void add(std::string_view line) { add({line}); }
    void clear();
    size_t size() const { return lines().size(); }

    // All lines, each ended by "\n".
    std::string text() const;

    // The lines of one entry point (those starting with "name(").
    std::vector<std::string> lines(const std::string& entry) const;
    std::vector<std::string> lines() const;

  private:
    struct Line {
        uint64_t number = 0;
        std::string text;
    };

    // One thread's lines, oldest first, in a ring that grows up to kMaxLines. A cache line or
    // more each, so threads storing lines do not share one.
    struct alignas(64) Buffer {
        std::mutex lock;  // taken by its thread and by readers
        std::vector<Line> ring;
        size_t oldest = 0;
        size_t count = 0;

        Line& push();
        void dropBefore(uint64_t number);
    };

    // The calling thread's buffer, made and listed on its first line.
    Buffer& own();
    // The lines numbered from clearedBefore_ on, oldest first, at most kMaxLines.
    std::vector<Line> merged() const;

    // Every line of every thread takes a number: the one line all writers share, alone in its
    // cache line so that reading clearedBefore_ does not miss with it.
    alignas(64) std::atomic<uint64_t> next_{1};
    alignas(64) std::atomic<uint64_t> clearedBefore_{0};
    mutable std::mutex buffersLock_;  // guards buffers_; taken before a buffer's lock
    mutable std::vector<std::shared_ptr<Buffer>> buffers_;
};

}  // namespace db2sim
