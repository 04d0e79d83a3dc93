#include "commands/recovery/nodeattachment.h"

#include "commands/db2cmdbase.h"
#include "commands/database/nullabletext.h"
#include "db2api/db2api.h"

namespace {

// The instance answers that the context is attached already: nothing more to do.
constexpr sqlint32 kAttachedAlready = -1019;

}  // namespace

NodeAttachment::~NodeAttachment() {
    detach();
}

bool NodeAttachment::attach(CDB2CmdBase& command, t_string node, t_string user, t_string password) {
    sqlca ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().AttachNode(textOrNull(node), textOrNull(user),
                                                      textOrNull(password), &ca);
    if (rc != db2::kEntryPointMissing && ca.sqlcode == kAttachedAlready) {
        return true;
    }
    attached = rc != db2::kEntryPointMissing && ca.sqlcode >= 0;
    return command.checkDB2Call(rc, ca);
}

void NodeAttachment::detach() {
    if (attached) {
        attached = false;
        sqlca ca = zeroedSqlca();
        db2::DB2API::Instance().DetachNode(&ca);
    }
}
