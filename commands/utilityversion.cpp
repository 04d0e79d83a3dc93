#include "commands/utilityversion.h"

#include <cmath>
#include <string>

#include "base/javaexception.h"

namespace {

// A version far above any DB2 release; anything beyond it is not a version.
constexpr double kHighestVersion = 1000.0;

int wholePart(double version) {
    if (!(version >= 0.0) || version > kHighestVersion) {
        return 0;  // NaN, negative or absurd: unknown
    }
    return static_cast<int>(std::trunc(version));
}

}  // namespace

int UtilityVersion::effective(double clientVersion, double databaseVersion) {
    const int client = wholePart(clientVersion);
    const int database = wholePart(databaseVersion);
    return client < database ? client : database;
}

db2Uint32 UtilityVersion::apiLevel(int version) {
    return version >= 9 ? kLevel9 : kLevel8;
}

t_string UtilityVersion::refusal(int version) {
    return "Unsupported DB2 version " + std::to_string(version) + ": version " +
           std::to_string(kLowest) + " or later is needed";
}

bool UtilityVersion::supported(JNIEnv* env, int version) {
    if (version < kLowest) {
        ThrowJavaException(env, refusal(version).c_str());
        return false;
    }
    return true;
}

bool UtilityVersion::read(const tarvinex::DB2CommandRuntimeContext& context, int& version) {
    JNIEnv* env = context.getEnv();
    const double client = context.getClientVersion();
    const double database = context.getDatabaseVersion();
    if (env != nullptr && env->ExceptionCheck() == JNI_TRUE) {
        return false;  // the getter's own exception goes to Java
    }
    version = effective(client, database);
    return supported(env, version);
}
