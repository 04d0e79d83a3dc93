// An open directory scan, closed on every path once it was opened successfully.
//
//   DirectoryScan scan([&](sqlca* ca) { return api.CloseDatabaseDirectoryScan(handle, ca); });
//   ... open the scan ...; scan.opened();   // from now on the destructor closes it
//
// The close outcome is not judged: a scan that cannot be closed has nothing left to release.
#pragma once

#include <functional>

#include "db2api/db2types.h"

class DirectoryScan {
  public:
    explicit DirectoryScan(std::function<int(sqlca*)> close) : m_close(std::move(close)) {}
    DirectoryScan(const DirectoryScan&) = delete;
    DirectoryScan& operator=(const DirectoryScan&) = delete;
    ~DirectoryScan() { Close(); }

    // Marks the scan open: the destructor will close it.
    void opened() { m_open = true; }
    bool isOpen() const { return m_open; }

    void Close();

  private:
    std::function<int(sqlca*)> m_close;
    bool m_open = false;
};
