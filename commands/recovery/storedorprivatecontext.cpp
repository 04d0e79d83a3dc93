#include "commands/recovery/storedorprivatecontext.h"

#include "commands/db2cmdbase.h"
#include "commands/privateapicontext.h"
#include "db2api/contexthandleregistry.h"

bool StoredOrPrivateContext::setup(CDB2CmdBase& command, std::initializer_list<int> ids,
                                   PrivateAPIContext& own) {
    if (command.ExceptionOccurred()) {
        return false;
    }
    for (const int id : ids) {
        void* stored = db2::ContextHandleRegistry::FromHandle(id);
        if (stored != nullptr) {
            return command.makeCurrent(stored);
        }
    }
    return command.beginPrivateContext(own);
}
