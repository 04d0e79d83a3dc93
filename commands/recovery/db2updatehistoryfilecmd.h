// UPDATE HISTORY: changes the location, device type, comment or status of one entry of the
// connected database's recovery history, named by its id or, for id 0, by its object part.
// Looking an entry up runs on the stored instance attachment, or on a context of the command's
// own, attached to the database's node when it has one (the context made current first; the
// node detached and the context ended before the update). An object part that names no entry
// fails: nothing is updated.
#pragma once

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"
#include "db2api/db2structs.h"

class CDB2UpdateHistoryFileCmd : public CDB2CmdBase {
  public:
    CDB2UpdateHistoryFileCmd(const tarvinex::JavaObject& command,
                             const tarvinex::JavaObject& context,
                             const tarvinex::JavaObject& container);

    bool SetupContext() override;
    bool SetupData() override;
    void FreeData(bool rslt) override;
    bool CallDB2API() override;

  private:
    // The id of the entry whose object part is `objectPart`; false with a message when there
    // is none or the look-up failed. Leaves no context current.
    bool lookUpEntry(db2Uint32& id);
    // Makes the look-up's context current: the stored instance attachment, else ctx attached
    // to the node of the connected database.
    bool attachLookUpContext(class NodeAttachment& attachment);
    bool findEntry(db2Uint32& id);

    int version = 0;
    PrivateAPIContext ctx;
    t_string newLocation, newDeviceType, newComment, newStatus, objectPart, dbAlias;
    db2Uint32 eid = 0;
};
