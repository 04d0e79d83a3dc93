// The open scans of one directory, by 16-bit handle. A scan holds its own copy of the entries
// (usually shared with the directory until either changes), so catalogs made while it is open do
// not disturb it.
//
// Scans are opened, read and closed by many threads at once. Each of the kMaxScans places has a
// lock, held while a caller works on its scan (find() hands the scan out with it held), and the
// handle open there, which find() reads without a lock; opening takes the table's lock to pick a
// place and a handle. Both are area locks, the table's first. The handles sit together, apart
// from the places: every find() reads them, and only opening and closing write them, whereas a
// place's lock is written on every call on its scan.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <mutex>
#include <optional>
#include <utility>

namespace db2sim {

template <class Scan>
class DirectoriesScans {
  public:
    // DB2 allows a few scans of a directory at a time; more give SQL1056N.
    static constexpr size_t kMaxScans = 8;

  private:
    // A cache line or more each, so threads reading different scans do not share one.
    struct alignas(64) Place {
        std::mutex lock;
        std::optional<Scan> scan;
    };

  public:
    // A scan found by handle, locked while this lives; empty when the handle is not open.
    class Held {
      public:
        Held() = default;
        Held(Place& place, std::unique_lock<std::mutex> lock)
            : place_(&place), lock_(std::move(lock)) {}
        explicit operator bool() const { return place_ != nullptr; }
        Scan* operator->() const { return &*place_->scan; }
        Scan& operator*() const { return *place_->scan; }

      private:
        Place* place_ = nullptr;
        std::unique_lock<std::mutex> lock_;
    };

    // The handle of the new scan, or 0 when the table is full.
    unsigned short open(Scan scan) {
        std::lock_guard<std::mutex> guard(lock_);
        for (size_t i = 0; i < kMaxScans; ++i) {
            std::lock_guard<std::mutex> placeGuard(places_[i].lock);
            if (handles_[i].load(std::memory_order_relaxed) == 0) {
                places_[i].scan.emplace(std::move(scan));
                unsigned short handle = nextFree();
                handles_[i].store(handle, std::memory_order_release);
                return handle;
            }
        }
        return 0;
    }

    Held find(unsigned short handle) {
        const size_t i = indexOf(handle);
        if (i == kMaxScans) {
            return Held();
        }
        std::unique_lock<std::mutex> lock(places_[i].lock);
        // Closed, or closed and opened again with another handle, while awaited.
        if (handles_[i].load(std::memory_order_relaxed) != handle) {
            return Held();
        }
        return Held(places_[i], std::move(lock));
    }

    bool close(unsigned short handle) {
        const size_t i = indexOf(handle);
        if (i == kMaxScans) {
            return false;
        }
        std::lock_guard<std::mutex> guard(places_[i].lock);
        if (handles_[i].load(std::memory_order_relaxed) != handle) {
            return false;
        }
        empty(i);
        return true;
    }

    void clear() {
        std::lock_guard<std::mutex> guard(lock_);
        for (size_t i = 0; i < kMaxScans; ++i) {
            std::lock_guard<std::mutex> placeGuard(places_[i].lock);
            empty(i);
        }
    }

    size_t size() const {
        size_t open = 0;
        for (const auto& handle : handles_) {
            open += handle.load(std::memory_order_acquire) != 0 ? 1 : 0;
        }
        return open;
    }

  private:
    // The place where `handle` is open (read without a lock), else kMaxScans.
    size_t indexOf(unsigned short handle) const {
        for (size_t i = 0; handle != 0 && i < kMaxScans; ++i) {
            if (handles_[i].load(std::memory_order_acquire) == handle) {
                return i;
            }
        }
        return kMaxScans;
    }

    // The place's lock held.
    void empty(size_t i) {
        handles_[i].store(0, std::memory_order_release);
        places_[i].scan.reset();
    }

    // Handles count up from 1 and wrap, skipping 0 and handles still open.
    unsigned short nextFree() {
        do {
            ++last_;
        } while (last_ == 0 || indexOf(last_) != kMaxScans);
        return last_;
    }

    std::mutex lock_;  // taken to open a scan and to clear
    std::array<Place, kMaxScans> places_;
    alignas(64) std::array<std::atomic<unsigned short>, kMaxScans> handles_{};  // 0: free
    unsigned short last_ = 0;
};

}  // namespace db2sim
