// The open scans of one directory, by 16-bit handle. A scan holds its own copy of the entries
// (usually shared with the directory until either changes), so catalogs made while it is open do
// not disturb it.
//
// Scans are opened, read and closed by many threads at once: the table has a lock, taken only
// to open, find or close, and each scan one of its own, held while a caller works on it
// (find() hands out the scan with its lock held). Both are area locks, the table's first.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

namespace db2sim {

template <class Scan>
class DirectoriesScans {
    struct Open {
        std::mutex lock;
        Scan scan;
    };

  public:
    // DB2 allows a few scans of a directory at a time; more give SQL1056N.
    static constexpr size_t kMaxScans = 8;

    // A scan found by handle, locked while this lives; empty when the handle is not open. A
    // scan closed meanwhile by another thread stays whole until it is let go.
    class Held {
      public:
        Held() = default;
        explicit Held(std::shared_ptr<Open> open) : open_(std::move(open)), lock_(open_->lock) {}
        explicit operator bool() const { return open_ != nullptr; }
        Scan* operator->() const { return &open_->scan; }
        Scan& operator*() const { return open_->scan; }

      private:
        std::shared_ptr<Open> open_;
        std::unique_lock<std::mutex> lock_;
    };

    // The handle of the new scan, or 0 when the table is full.
    unsigned short open(Scan scan) {
        auto open = std::make_shared<Open>();
        open->scan = std::move(scan);
        std::lock_guard<std::mutex> guard(lock_);
        if (scans_.size() >= kMaxScans) {
            return 0;
        }
        unsigned short handle = nextFree();
        scans_.emplace(handle, std::move(open));
        return handle;
    }

    Held find(unsigned short handle) {
        std::shared_ptr<Open> open;
        {
            std::lock_guard<std::mutex> guard(lock_);
            auto it = scans_.find(handle);
            if (it == scans_.end()) {
                return Held();
            }
            open = it->second;
        }
        return Held(std::move(open));
    }

    bool close(unsigned short handle) {
        std::shared_ptr<Open> closed;  // let go after the table's lock
        std::lock_guard<std::mutex> guard(lock_);
        auto it = scans_.find(handle);
        if (it == scans_.end()) {
            return false;
        }
        closed = std::move(it->second);
        scans_.erase(it);
        return true;
    }

    void clear() {
        std::map<unsigned short, std::shared_ptr<Open>> closed;
        std::lock_guard<std::mutex> guard(lock_);
        closed.swap(scans_);
    }

    size_t size() const {
        std::lock_guard<std::mutex> guard(lock_);
        return scans_.size();
    }

  private:
    // Handles count up from 1 and wrap, skipping 0 and handles still open.
    unsigned short nextFree() {
        do {
            ++last_;
        } while (last_ == 0 || scans_.count(last_) > 0);
        return last_;
    }

    mutable std::mutex lock_;
    std::map<unsigned short, std::shared_ptr<Open>> scans_;
    unsigned short last_ = 0;
};

}  // namespace db2sim
