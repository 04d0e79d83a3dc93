// The open scans of one directory, by 16-bit handle. A scan holds its own copy of the entries
// (usually shared with the directory until either changes), so catalogs made while it is open do
// not disturb it.
//
// Scans are opened, read and closed by many threads at once. Each of the kMaxScans places has a
// lock, held while a caller works on its scan (find() hands the scan out with it held), and the
// handle open there, which find() reads without a lock; opening takes the table's lock to pick a
// place and a handle. Both are area locks, the table's first.
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
        std::atomic<unsigned short> handle{0};  // 0: free
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
        for (Place& place : places_) {
            std::lock_guard<std::mutex> placeGuard(place.lock);
            if (place.handle.load(std::memory_order_relaxed) == 0) {
                place.scan.emplace(std::move(scan));
                unsigned short handle = nextFree();
                place.handle.store(handle, std::memory_order_release);
                return handle;
            }
        }
        return 0;
    }

    Held find(unsigned short handle) {
        for (Place& place : places_) {
            if (handle != 0 && place.handle.load(std::memory_order_acquire) == handle) {
                std::unique_lock<std::mutex> lock(place.lock);
                // Closed, or closed and opened again with another handle, while awaited.
                if (place.handle.load(std::memory_order_relaxed) != handle) {
                    return Held();
                }
                return Held(place, std::move(lock));
            }
        }
        return Held();
    }

    bool close(unsigned short handle) {
        for (Place& place : places_) {
            if (handle != 0 && place.handle.load(std::memory_order_acquire) == handle) {
                std::lock_guard<std::mutex> guard(place.lock);
                if (place.handle.load(std::memory_order_relaxed) != handle) {
                    return false;
                }
                empty(place);
                return true;
            }
        }
        return false;
    }

    void clear() {
        std::lock_guard<std::mutex> guard(lock_);
        for (Place& place : places_) {
            std::lock_guard<std::mutex> placeGuard(place.lock);
            empty(place);
        }
    }

    size_t size() const {
        size_t open = 0;
        for (const Place& place : places_) {
            open += place.handle.load(std::memory_order_acquire) != 0 ? 1 : 0;
        }
        return open;
    }

  private:
    static void empty(Place& place) {
        place.handle.store(0, std::memory_order_release);
        place.scan.reset();
    }

    Place* placeOf(unsigned short handle) {
        for (Place& place : places_) {
            if (place.handle.load(std::memory_order_relaxed) == handle) {
                return &place;
            }
        }
        return nullptr;
    }

    // Handles count up from 1 and wrap, skipping 0 and handles still open.
    unsigned short nextFree() {
        do {
            ++last_;
        } while (last_ == 0 || placeOf(last_) != nullptr);
        return last_;
    }

    std::mutex lock_;  // taken to open a scan and to clear
    std::array<Place, kMaxScans> places_;
    unsigned short last_ = 0;
};

}  // namespace db2sim
