// The open scans of one directory, by 16-bit handle. A scan holds its own copy of the entries
// (usually shared with the directory until either changes), so catalogs made while it is open do
// not disturb it.
#pragma once

#include <cstddef>
#include <map>
#include <utility>

namespace db2sim {

template <class Scan>
class DirectoriesScans {
  public:
    // DB2 allows a few scans of a directory at a time; more give SQL1056N.
    static constexpr size_t kMaxScans = 8;

    // The handle of the new scan, or 0 when the table is full.
    unsigned short open(Scan scan) {
        if (scans_.size() >= kMaxScans) {
            return 0;
        }
        unsigned short handle = nextFree();
        scans_.emplace(handle, std::move(scan));
        return handle;
    }

    // The scan of that handle, or null.
    Scan* find(unsigned short handle) {
        auto it = scans_.find(handle);
        return it == scans_.end() ? nullptr : &it->second;
    }

    bool close(unsigned short handle) { return scans_.erase(handle) > 0; }
    void clear() { scans_.clear(); }
    size_t size() const { return scans_.size(); }

  private:
    // Handles count up from 1 and wrap, skipping 0 and handles still open.
    unsigned short nextFree() {
        do {
            ++last_;
        } while (last_ == 0 || scans_.count(last_) > 0);
        return last_;
    }

    std::map<unsigned short, Scan> scans_;
    unsigned short last_ = 0;
};

}  // namespace db2sim
