#include "commands/recovery/db2updatehistoryfilecmd.h"

#include "commands/database/nullabletext.h"
#include "commands/fieldnumber.h"
#include "commands/recovery/historyentry.h"
#include "commands/recovery/historyscan.h"
#include "commands/recovery/nodeattachment.h"
#include "commands/recovery/recoveryversion.h"
#include "commands/utilityversion.h"
#include "db2api/contexthandleregistry.h"
#include "db2api/db2api.h"
#include "db2api/db2apicontext.h"

namespace {

const char kClassName[] = "DB2CommandUpdateHistoryFile";

}  // namespace

CDB2UpdateHistoryFileCmd::CDB2UpdateHistoryFileCmd(const tarvinex::JavaObject& command,
                                                   const tarvinex::JavaObject& context,
                                                   const tarvinex::JavaObject& container)
    : CDB2CmdBase(command, context, container) {}

bool CDB2UpdateHistoryFileCmd::SetupData() {
    if (!RecoveryVersion::read(contextObj, version)) {
        return false;
    }
    const tarvinex::JavaObject update(
        commandObj, tarvinex::JavaObject::getDB2CommandClassName(kClassName).c_str());
    newLocation = update.callStringMethod("getNewLocation");
    newDeviceType = update.callStringMethod("getNewDeviceTypeValue");
    newComment = update.callStringMethod("getNewComment");
    newStatus = update.callStringMethod("getNewStatusValue");
    objectPart = update.callStringMethod("getObjectPart");
    return FieldNumber::readInteger(update, "getEid", 0, eid);
}

bool CDB2UpdateHistoryFileCmd::SetupContext() {
    return setupDatabaseContext();
}

void CDB2UpdateHistoryFileCmd::FreeData(bool) {
    ctx.End();
}

bool CDB2UpdateHistoryFileCmd::CallDB2API() {
    db2Uint32 id = eid;
    if (id == 0 && !(lookUpEntry(id) && setupDatabaseContext())) {
        return false;
    }
    db2HistoryUpdateStruct parms{};
    parms.piNewLocation = textOrNull(newLocation);
    parms.piNewDeviceType = textOrNull(newDeviceType);
    parms.piNewComment = textOrNull(newComment);
    parms.piNewStatus = textOrNull(newStatus);
    parms.iEID.ioNode = 0;
    parms.iEID.ioHID = id;
    sqlca ca = zeroedSqlca();
    const int rc =
        db2::DB2API::Instance().UpdateHistory(UtilityVersion::apiLevel(version), &parms, &ca);
    return checkDB2Call(rc, ca);
}

bool CDB2UpdateHistoryFileCmd::lookUpEntry(db2Uint32& id) {
    db2::CDB2APIContext::DetachCurrentCtx();
    bool found = false;
    {
        NodeAttachment attachment;  // detached before the context it was made on is ended
        found = attachLookUpContext(attachment) && findEntry(id);
    }
    ctx.End();
    db2::CDB2APIContext::DetachCurrentCtx();
    return found;
}

bool CDB2UpdateHistoryFileCmd::attachLookUpContext(NodeAttachment& attachment) {
    const int instance = contextObj.getInstanceConnectionContext();
    dbAlias = contextObj.getDatabaseAlias();
    if (ExceptionOccurred()) {
        return false;
    }
    void* stored = db2::ContextHandleRegistry::FromHandle(instance);
    if (stored != nullptr) {
        return makeCurrent(stored);
    }
    if (!beginPrivateContext(ctx)) {
        return false;
    }
    const t_string node = contextObj.getNodeNameForAlias(dbAlias.c_str());
    const t_string user = contextObj.getDatabaseConnectionUserId();
    const t_string password = contextObj.getDatabaseConnectionPassword();
    if (ExceptionOccurred()) {
        return false;
    }
    // A database of the local instance has no node to attach to: its history is read as is.
    return node.empty() || attachment.attach(*this, node, user, password);
}

bool CDB2UpdateHistoryFileCmd::findEntry(db2Uint32& id) {
    HistoryScan scan(UtilityVersion::apiLevel(version));
    if (!scan.open(*this, textOrNull(dbAlias), nullptr, nullptr, DB2HISTORY_LIST_HISTORY)) {
        return false;
    }
    HistoryEntry entry;
    entry.prepareObjectPart();
    for (db2Uint32 i = 0; i < scan.rows(); ++i) {
        const HistoryScan::Next next = scan.next(*this, entry.next());
        if (next == HistoryScan::Next::kFailed) {
            return false;
        }
        if (next == HistoryScan::Next::kEnd) {
            break;
        }
        if (HistoryEntry::text(entry.data().oObjectPart) == objectPart) {
            id = entry.data().oEID.ioHID;
            return scan.close(*this);
        }
    }
    if (!scan.close(*this)) {
        return false;
    }
    throwJavaException(("No recovery history entry of " + dbAlias + " has the object part \"" +
                        objectPart + "\"; nothing was updated")
                           .c_str());
    return false;
}
