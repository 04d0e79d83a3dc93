#include "db2sim/core/journal.h"

#include <algorithm>
#include <chrono>

namespace db2sim {
namespace {

constexpr size_t kFirstRing = 64;

}  // namespace

Journal::Line& Journal::Buffer::push() {
    if (count == ring.size() && count == kMaxLines) {
        // At the bound: the oldest line makes room (and lends its storage).
        oldest = (oldest + 1) % ring.size();
        --count;
    } else if (count == ring.size()) {
        // Full: grow to twice the size, oldest line first again.
        std::vector<Line> grown(std::min(std::max(kFirstRing, 2 * ring.size()), kMaxLines));
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

void Journal::Buffer::dropBefore(uint64_t stamp) {
    while (count > 0 && ring[oldest].stamp < stamp) {
        oldest = (oldest + 1) % ring.size();
        --count;
    }
}

Journal::Buffer& Journal::own() {
    thread_local const Journal* owner = nullptr;
    thread_local std::shared_ptr<Buffer> buffer;
    if (owner != this || buffer == nullptr) {
        std::lock_guard<std::mutex> guard(buffersLock_);
        buffer = std::make_shared<Buffer>(buffersMade_++);
        owner = this;
        buffers_.push_back(buffer);
    }
    return *buffer;
}

void Journal::add(std::initializer_list<std::string_view> parts) {
    size_t length = 0;
    for (std::string_view part : parts) {
        length += part.size();
    }
    Buffer& buffer = own();
    std::lock_guard<std::mutex> guard(buffer.lock);
    uint64_t stamp = now();
    buffer.dropBefore(clearedBefore_.load(std::memory_order_relaxed));
    Line& line = buffer.push();
    line.stamp = stamp;
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

void Journal::clear() {
    std::lock_guard<std::mutex> guard(buffersLock_);
    // A line stamped from now on stays; those before it go.
    clearedBefore_.store(now());
    for (const auto& buffer : buffers_) {
        std::lock_guard<std::mutex> bufferGuard(buffer->lock);
        buffer->oldest = 0;
        buffer->count = 0;
    }
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
    if (out.size() > kMaxLines) {
        out.erase(out.begin(), out.end() - static_cast<std::ptrdiff_t>(kMaxLines));
    }
    // Buffers of threads that are gone and hold nothing are dropped (the list's own reference
    // is the last one).
    buffers_.erase(std::remove_if(buffers_.begin(), buffers_.end(),
                                  [](const std::shared_ptr<Buffer>& buffer) {
                                      return buffer.use_count() == 1 && buffer->count == 0;
                                  }),
                   buffers_.end());
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
