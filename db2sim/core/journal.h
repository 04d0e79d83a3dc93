// The journal: one line per entry-point call, the newest kept, the oldest dropped past the bound.
//
// Writers do not wait for each other, nor share a cache line: each thread stores its lines in a
// buffer of its own, each line stamped with the monotonic clock; reading merges the buffers by
// stamp (a tie goes to the buffer made first, and within a buffer to the line stored first). A
// thread's lines are therefore whole and in its call order, and lines of different threads are
// in the order their calls ended. A buffer keeps at most kMaxLines lines, reading gives the
// newest kMaxLines of all, and a buffer outlives its thread until it is empty.
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
        uint64_t stamp = 0;   // nanoseconds of the monotonic clock
        uint64_t buffer = 0;  // the serial of the buffer that stored it
        uint64_t number = 0;  // its place in that buffer
        std::string text;
    };

    // One thread's lines, oldest first, in a ring that grows up to kMaxLines. A cache line or
    // more each, so threads storing lines do not share one.
    struct alignas(64) Buffer {
        explicit Buffer(uint64_t serial) : serial(serial) {}

        const uint64_t serial;
        std::mutex lock;  // taken by its thread and by readers
        std::vector<Line> ring;
        size_t oldest = 0;
        size_t count = 0;
        uint64_t stored = 0;  // lines stored so far

        Line& push();
        void dropBefore(uint64_t stamp);
    };

    // The calling thread's buffer, made and listed on its first line.
    Buffer& own();
    // The lines stamped from clearedBefore_ on, oldest first, at most kMaxLines.
    std::vector<Line> merged() const;
    static uint64_t now();

    // Written only by clear(); writers read it, so it has its cache line to itself.
    alignas(64) std::atomic<uint64_t> clearedBefore_{0};
    mutable std::mutex buffersLock_;  // guards buffers_ and buffersMade_; before a buffer's lock
    uint64_t buffersMade_ = 0;
    mutable std::vector<std::shared_ptr<Buffer>> buffers_;
};

}  // namespace db2sim
