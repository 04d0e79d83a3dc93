// The simulated database manager: whether it runs, its users and databases, the instance
// attachments, the CLI connections and the directories. It joins the instance on first use:
// reset() reloads users, databases and directories from the state folder, starts the manager and
// drops attachments, handles and scans; an ended context loses its attachment and connections.
//
// Call get() with the instance lock held (ApiCall holds it), so its first call cannot race a
// thread that already holds the lock.
#pragma once

#include "db2sim/connection/attachments.h"
#include "db2sim/connection/connections.h"
#include "db2sim/database/databases.h"
#include "db2sim/directory/directories.h"
#include "db2sim/connection/users.h"

namespace db2sim {

class Manager {
  public:
    static Manager& get();

    bool started() const { return started_; }
    void setStarted(bool started) { started_ = started; }

    // A new agent id for an attachment.
    long nextAgentId() { return ++lastAgentId_; }

    Users& users() { return users_; }
    Databases& databases() { return databases_; }
    Attachments& attachments() { return attachments_; }
    Connections& connections() { return connections_; }
    Directories& directories() { return directories_; }

  private:
    Manager();
    void reset();
    void contextEnded(void* ctx);

    bool started_ = true;
    long lastAgentId_ = 0;
    Users users_;
    Databases databases_;
    Attachments attachments_;
    Connections connections_;
    Directories directories_;

    template <class T>
    friend class NoDestructor;
};

}  // namespace db2sim
