#include "commands/database/quiesceoptions.h"

QuiesceOptions QuiesceOptions::read(const tarvinex::JavaObject& command) {
    QuiesceOptions options;
    options.defer = command.callBooleanMethod("getDefer", JNI_FALSE) ? 1 : 0;
    options.force = command.callBooleanMethod("getForce", JNI_FALSE) ? 1 : 0;
    options.timeout = static_cast<db2Uint32>(command.callIntegerMethod("getTimeOut", 0));
    return options;
}
