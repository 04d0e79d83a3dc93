// The journal: one line per entry-point call, the newest kept, the oldest dropped past the bound.
//
// Writers do not wait for each other, nor share a cache line: each thread stores its lines in a
// buffer of its own, each line stamped with the monotonic clock; reading merges the buffers by
// stamp (a tie goes to the buffer made first, and within a buffer to the line stored first). A
// thread's lines are therefore whole and in its call order, and lines of different threads are
// in the order their calls ended. Reading gives the newest maxLines of all.
//
// What all buffers hold together is bounded, however many threads come and go: the journal has
// a budget of twice maxLines lines, which buffers draw on in chunks (one shared counter touched
// per chunk, not per line). A writer that finds the budget spent trims the journal: every line
// older than the newest maxLines of all is dropped, every buffer gives back what it drew and has
// not used, and the emptied buffers of threads that are gone are forgotten. A buffer also keeps
// at most maxLines lines of its own.
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

    explicit Journal(size_t maxLines = kMaxLines);

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

    // The lines all buffers hold, read or not (at most about twice maxLines).
    size_t held() const;
    size_t maxLines() const { return maxLines_; }

  private:
    struct Line {
        uint64_t stamp = 0;   // nanoseconds of the monotonic clock
        uint64_t buffer = 0;  // the serial of the buffer that stored it
        uint64_t number = 0;  // its place in that buffer
        std::string text;
    };

    // One thread's lines, oldest first, in a ring that grows up to maxLines. A cache line or
    // more each, so threads storing lines do not share one.
    struct alignas(64) Buffer {
        explicit Buffer(uint64_t serial) : serial(serial) {}

        const uint64_t serial;
        std::mutex lock;  // taken by its thread and by readers
        std::vector<Line> ring;
        size_t oldest = 0;
        size_t count = 0;
        size_t allowance = 0;  // lines of the budget drawn and not yet used
        uint64_t stored = 0;   // lines stored so far

        // A place for a new line: a new one while there is room under `cap`, else the oldest
        // line's (dropped, its storage lent).
        Line& push(size_t cap);
        // Drops the lines stamped before `stamp`; how many. Their storage is freed when
        // `release` (the thread has ended), else kept for new lines.
        size_t dropBefore(uint64_t stamp, bool release);
        // A smaller ring when most of this one stands empty.
        void shrink();
    };

    // The calling thread's buffer, made and listed on its first line.
    Buffer& own();
    // Draws a chunk of the budget for `buffer` (its lock held); false when the budget is spent.
    bool draw(Buffer& buffer);
    // Drops every line older than the newest maxLines of all, takes back their share of the
    // budget and every allowance, and forgets empty buffers of ended threads. Takes buffersLock_.
    void trim();
    // Gives back the budget drawn by buffers of ended threads and forgets those that are empty
    // (buffersLock_ held).
    void forgetEnded() const;
    // The lines stamped from clearedBefore_ on, oldest first, at most maxLines.
    std::vector<Line> merged() const;
    static uint64_t now();

    const uint64_t id_;
    const size_t maxLines_;
    const size_t chunk_;
    // Written only by clear(); writers read it, so it has its cache line to itself.
    alignas(64) std::atomic<uint64_t> clearedBefore_{0};
    // The budget not drawn by any buffer: written once a chunk.
    alignas(64) mutable std::atomic<long> undrawn_;
    alignas(64) mutable std::mutex buffersLock_;  // guards buffers_ and buffersMade_; before a
                                                  // buffer's lock
    uint64_t buffersMade_ = 0;
    mutable std::vector<std::shared_ptr<Buffer>> buffers_;
};

}  // namespace db2sim
