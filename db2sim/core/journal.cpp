#include "db2sim/core/journal.h"

#include <algorithm>
#include <chrono>

namespace db2sim {
namespace {

constexpr size_t kFirstRing = 64;

// Journals are told apart by a number never reused, not by address: a journal made where an
// ended one lived must not take a thread's buffer for its own.
std::atomic<uint64_t> g_journalsMade{0};

}  // namespace

Journal::Journal(size_t maxLines)
    : id_(g_journalsMade.fetch_add(1, std::memory_order_relaxed) + 1),
      maxLines_(std::max<size_t>(maxLines, 1)),
      chunk_(std::clamp<size_t>(maxLines_ / 400, 1, 256)),
      undrawn_(static_cast<long>(2 * maxLines_)) {}

Journal::Line& Journal::Buffer::push(size_t cap) {
    if (count > 0 && count >= cap) {
        // At the bound: the oldest line makes room (and lends its storage).
        oldest = (oldest + 1) % ring.size();
        --count;
    } else if (count == ring.size()) {
        // Full: grow to twice the size, oldest line first again.
        std::vector<Line> grown(std::min(std::max(kFirstRing, 2 * ring.size()), cap));
        for (size_t i = 0; i < count; ++i) {
            grown[i] = std::move(ring[(oldest + i) % ring.size()]);
        }
        ring.swap(grown);
        oldest = 0;
    }
    Line& line = ring[(oldest + count) % ring.size()];
    ++count;
    return line;
}

size_t Journal::Buffer::dropBefore(uint64_t stamp, bool release) {
    size_t dropped = 0;
    while (count > 0 && ring[oldest].stamp < stamp) {
        if (release) {
            std::string().swap(ring[oldest].text);
        }
        oldest = (oldest + 1) % ring.size();
        --count;
        ++dropped;
    }
    return dropped;
}

void Journal::Buffer::shrink() {
    if (ring.size() <= kFirstRing || count * 4 > ring.size()) {
        return;
    }
    size_t size = kFirstRing;
    while (size < 2 * count) {
        size *= 2;
    }
    std::vector<Line> smaller(size);
    for (size_t i = 0; i < count; ++i) {
        smaller[i] = std::move(ring[(oldest + i) % ring.size()]);
    }
    ring.swap(smaller);
    oldest = 0;
}

Journal::Buffer& Journal::own() {
    thread_local uint64_t owner = 0;
    thread_local std::shared_ptr<Buffer> buffer;
    if (owner != id_ || buffer == nullptr) {
        std::lock_guard<std::mutex> guard(buffersLock_);
        buffer = std::make_shared<Buffer>(buffersMade_++);
        owner = id_;
        buffers_.push_back(buffer);
    }
    return *buffer;
}

bool Journal::draw(Buffer& buffer) {
    const long chunk = static_cast<long>(chunk_);
    long undrawn = undrawn_.load(std::memory_order_relaxed);
    while (undrawn > 0) {
        const long taken = std::min(undrawn, chunk);
        if (undrawn_.compare_exchange_weak(undrawn, undrawn - taken, std::memory_order_relaxed)) {
            buffer.allowance += static_cast<size_t>(taken);
            return true;
        }
    }
    return false;
}

void Journal::add(std::initializer_list<std::string_view> parts) {
    size_t length = 0;
    for (std::string_view part : parts) {
        length += part.size();
    }
    Buffer& buffer = own();
    std::unique_lock<std::mutex> guard(buffer.lock);
    buffer.allowance += buffer.dropBefore(clearedBefore_.load(std::memory_order_relaxed), false);
    bool grows = buffer.count < maxLines_;
    if (grows && buffer.allowance == 0 && !draw(buffer)) {
        guard.unlock();
        trim();
        guard.lock();
        grows = buffer.count < maxLines_;
        if (grows && buffer.allowance == 0 && !draw(buffer)) {
            if (buffer.count > 0) {
                grows = false;  // the budget is all drawn by live threads: make room in this one
            } else {
                undrawn_.fetch_sub(1, std::memory_order_relaxed);  // a thread may always hold one
                buffer.allowance = 1;
            }
        }
    }
    Line& line = buffer.push(grows ? maxLines_ : buffer.count);
    if (grows) {
        --buffer.allowance;
    }
    line.stamp = now();
    line.buffer = buffer.serial;
    line.number = buffer.stored++;
    // Sized once (one allocation at most, none when the recycled line is long enough), then
    // filled part by part.
    line.text.resize(length);
    char* at = &line.text[0];
    for (std::string_view part : parts) {
        at = std::copy_n(part.data(), part.size(), at);
    }
}

void Journal::trim() {
    // Buffers are locked one at a time, so writers wait for no more than their own buffer's
    // turn: lines stored meanwhile are newer than the cut and stay.
    std::lock_guard<std::mutex> guard(buffersLock_);
    std::vector<uint64_t> stamps;
    for (const auto& buffer : buffers_) {
        std::lock_guard<std::mutex> bufferGuard(buffer->lock);
        for (size_t i = 0; i < buffer->count; ++i) {
            stamps.push_back(buffer->ring[(buffer->oldest + i) % buffer->ring.size()].stamp);
        }
    }
    // The oldest stamp among the newest maxLines lines; every line before it goes.
    uint64_t cut = clearedBefore_.load();
    if (stamps.size() > maxLines_) {
        const auto first = stamps.end() - static_cast<std::ptrdiff_t>(maxLines_);
        std::nth_element(stamps.begin(), first, stamps.end());
        cut = std::max(cut, *first);
    }
    long freed = 0;
    for (const auto& buffer : buffers_) {
        std::lock_guard<std::mutex> bufferGuard(buffer->lock);
        // A live thread's buffer keeps the storage of what it drops for its next lines.
        const bool ended = buffer.use_count() == 1;
        freed += static_cast<long>(buffer->dropBefore(cut, ended));
        buffer->shrink();
        // Every allowance comes back, so threads that drew and stored little (many of them)
        // cannot hold the budget between them; a live thread draws again on its next line.
        freed += static_cast<long>(buffer->allowance);
        buffer->allowance = 0;
    }
    undrawn_.fetch_add(freed, std::memory_order_relaxed);
    forgetEnded();
}

void Journal::forgetEnded() const {
    // The list's own reference is the last one of a buffer whose thread has ended.
    buffers_.erase(std::remove_if(buffers_.begin(), buffers_.end(),
                                  [this](const std::shared_ptr<Buffer>& buffer) {
                                      if (buffer.use_count() != 1) {
                                          return false;
                                      }
                                      std::lock_guard<std::mutex> guard(buffer->lock);
                                      undrawn_.fetch_add(static_cast<long>(buffer->allowance),
                                                         std::memory_order_relaxed);
                                      buffer->allowance = 0;
                                      return buffer->count == 0;
                                  }),
                   buffers_.end());
}

void Journal::clear() {
    std::lock_guard<std::mutex> guard(buffersLock_);
    // A line stamped from now on stays; those before it go.
    clearedBefore_.store(now());
    for (const auto& buffer : buffers_) {
        std::lock_guard<std::mutex> bufferGuard(buffer->lock);
        buffer->allowance += buffer->count;
        buffer->oldest = 0;
        buffer->count = 0;
    }
    forgetEnded();
}

size_t Journal::held() const {
    std::lock_guard<std::mutex> guard(buffersLock_);
    size_t lines = 0;
    for (const auto& buffer : buffers_) {
        std::lock_guard<std::mutex> bufferGuard(buffer->lock);
        lines += buffer->count;
    }
    return lines;
}

std::vector<Journal::Line> Journal::merged() const {
    std::vector<Line> out;
    std::lock_guard<std::mutex> guard(buffersLock_);
    uint64_t from = clearedBefore_.load();
    for (const auto& buffer : buffers_) {
        std::lock_guard<std::mutex> bufferGuard(buffer->lock);
        for (size_t i = 0; i < buffer->count; ++i) {
            const Line& line = buffer->ring[(buffer->oldest + i) % buffer->ring.size()];
            if (line.stamp >= from) {
                out.push_back(line);
            }
        }
    }
    std::sort(out.begin(), out.end(), [](const Line& a, const Line& b) {
        if (a.stamp != b.stamp) {
            return a.stamp < b.stamp;
        }
        return a.buffer != b.buffer ? a.buffer < b.buffer : a.number < b.number;
    });
    if (out.size() > maxLines_) {
        out.erase(out.begin(), out.end() - static_cast<std::ptrdiff_t>(maxLines_));
    }
    forgetEnded();
    return out;
}

uint64_t Journal::now() {
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                     std::chrono::steady_clock::now().time_since_epoch())
                                     .count());
}

std::string Journal::text() const {
    std::string out;
    for (const Line& line : merged()) {
        out += line.text;
        out += '\n';
    }
    return out;
}

std::vector<std::string> Journal::lines(const std::string& entry) const {
    std::string prefix = entry + "(";
    std::vector<std::string> out;
    for (Line& line : merged()) {
        if (line.text.compare(0, prefix.size(), prefix) == 0) {
            out.push_back(std::move(line.text));
        }
    }
    return out;
}

std::vector<std::string> Journal::lines() const {
    std::vector<std::string> out;
    for (Line& line : merged()) {
        out.push_back(std::move(line.text));
    }
    return out;
}

}  // namespace db2sim
