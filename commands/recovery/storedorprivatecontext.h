// The context of a utility that runs with or without a connection (backup, restore, list
// history): the first context the run-time context holds among those asked for, or else a
// private context of the command's own, ended by its owner on every path.
#pragma once

#include <initializer_list>

class CDB2CmdBase;
class PrivateAPIContext;

class StoredOrPrivateContext {
  public:
    StoredOrPrivateContext() = delete;

    // `ids` are the stored context ids just read from Java, in order of preference. False with
    // the getter's exception pending, with DB2's text when a context cannot be made current, or
    // without a message when no private context could be created.
    static bool setup(CDB2CmdBase& command, std::initializer_list<int> ids, PrivateAPIContext& own);
};
