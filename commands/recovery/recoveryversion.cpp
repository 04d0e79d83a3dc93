#include "commands/recovery/recoveryversion.h"

#include "commands/utilityversion.h"

int RecoveryVersion::effective(double client, double instance, double database) {
    // NaN and versions below 1 count as unknown.
    const double server = database >= 1.0 ? database : instance >= 1.0 ? instance : client;
    return UtilityVersion::effective(client, server);
}

bool RecoveryVersion::read(const tarvinex::DB2CommandRuntimeContext& context, int& version) {
    const double client = context.getClientVersion();
    const double database = context.getDatabaseVersion();
    const double instance = database >= 1.0 ? 0.0 : context.getInstanceVersion();
    JNIEnv* env = context.getEnv();
    if (env != nullptr && env->ExceptionCheck() == JNI_TRUE) {
        return false;
    }
    version = effective(client, instance, database);
    return UtilityVersion::supported(env, version);
}
