// The simulated database manager: whether it runs, its users and databases, the instance
// attachments, the CLI connections and the directories. It joins the instance on first use:
// reset() reloads users, databases and directories from the state folder, starts the manager and
// drops attachments, handles and scans; an ended context loses its attachment and connections.
//
// Whether it runs and its users, databases and directories change only in calls that hold the
// instance lock exclusively; attachments, CLI connections and scans have area locks.
#pragma once

#include <atomic>

#include "db2sim/connection/attachments.h"
#include "db2sim/connection/connections.h"
#include "db2sim/database/databases.h"
#include "db2sim/directory/directories.h"
#include "db2sim/connection/users.h"

namespace db2sim {

class Manager {
  public:
    static Manager& get();

    bool started() const { return started_.load(std::memory_order_relaxed); }
    void setStarted(bool started) { started_.store(started, std::memory_order_relaxed); }

    // A new agent id for an attachment.
    long nextAgentId() { return lastAgentId_.fetch_add(1, std::memory_order_relaxed) + 1; }

    Users& users() { return users_; }
    Databases& databases() { return databases_; }
    Attachments& attachments() { return attachments_; }
    Connections& connections() { return connections_; }
    Directories& directories() { return directories_; }

  private:
    Manager();
    void reset();
    void contextEnded(void* ctx);

    std::atomic<bool> started_{true};
    std::atomic<long> lastAgentId_{0};
    Users users_;
    Databases databases_;
    Attachments attachments_;
    Connections connections_;
    Directories directories_;

    template <class T>
    friend class NoDestructor;
};

}  // namespace db2sim
