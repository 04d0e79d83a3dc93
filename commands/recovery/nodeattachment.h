// An instance attachment (sqleatin) a command makes on a context of its own, owned: detached
// (sqledtin, the answer ignored) when the owner goes, while that context is still current, so
// that ending the context afterwards cannot fail on the attachment it holds.
#pragma once

#include "base/stdafx.h"

class CDB2CmdBase;

class NodeAttachment {
  public:
    NodeAttachment() = default;
    ~NodeAttachment();
    NodeAttachment(const NodeAttachment&) = delete;
    NodeAttachment& operator=(const NodeAttachment&) = delete;

    // Attaches to `node`, judged by the caller convention, except that sqlcode -1019 counts as
    // success with no message and no warning.
    bool attach(CDB2CmdBase& command, t_string node, t_string user, t_string password);
    // Detaches now; nothing when not attached.
    void detach();

  private:
    bool attached = false;
};
