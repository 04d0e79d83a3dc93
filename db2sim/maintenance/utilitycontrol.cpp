// db2UtilityControl: changes the impact priority of a utility running in the instance the
// calling context is attached to. Also the control interface that starts and stops utilities.
#include "db2sim/maintenance/utilitycontrol.h"

#include <jni.h>

#include <cctype>
#include <string>

#include "db2api/db2structs.h"
#include "db2sim/connection/attachments.h"
#include "db2sim/core/apicall.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/javachars.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/core/versionedregistry.h"
#include "db2sim/maintenance/maintenancecodes.h"
#include "db2sim/maintenance/runningutilities.h"

namespace db2sim {
namespace {

int utilityControl(ApiCall& call, db2Uint32 version, void* parms) {
    if (version < db2Version820 || parms == nullptr) {
        return call.fail(code::kInvalidParameter, {parms ? "versionNumber" : "pParmStruct"});
    }
    const db2UtilityControlStruct& in = *static_cast<const db2UtilityControlStruct*>(parms);
    call.num("iID", in.iID).num("iAttribute", in.iAttribute).ptr("pioValue", in.pioValue);
    if (in.pioValue != nullptr && in.iAttribute == DB2UTILCTRL_PRIORITY_ATTRIB) {
        call.num("*pioValue", *static_cast<const db2Uint32*>(in.pioValue));
    }
    void* ctx = call.instance().contexts().current();
    if (ctx == nullptr || !Manager::get().attachments().find(ctx)) {
        return call.fail(code::kNoAttachment);
    }
    if (in.iAttribute != DB2UTILCTRL_PRIORITY_ATTRIB) {
        return call.fail(code::kInvalidParameter, {"iAttribute"});
    }
    if (in.pioValue == nullptr ||
        *static_cast<const db2Uint32*>(in.pioValue) > RunningUtilities::kMaxPriority) {
        return call.fail(code::kInvalidParameter, {"pioValue"});
    }
    if (!RunningUtilities::get().setPriority(in.iID, *static_cast<const db2Uint32*>(in.pioValue))) {
        return call.fail(code::kUtilityNotFound, {std::to_string(in.iID)});
    }
    return call.succeed();
}

const VersionedRegistration kUtilityControl("db2UtilityControl", &utilityControl);

std::string upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace
}  // namespace db2sim

extern "C" long db2sim_start_utility(const char* database, const char* description, int priority) {
    if (database == nullptr || description == nullptr || priority < 0 ||
        priority > static_cast<int>(db2sim::RunningUtilities::kMaxPriority)) {
        return -1;
    }
    try {
        return static_cast<long>(db2sim::RunningUtilities::get().start(
            db2sim::upper(database), description, "", static_cast<std::uint32_t>(priority)));
    } catch (...) {
        return -1;
    }
}

extern "C" int db2sim_stop_utility(long id) {
    return id > 0 && db2sim::RunningUtilities::get().stop(static_cast<std::uint32_t>(id)) ? 0 : -1;
}

extern "C" int db2sim_utility_priority(long id) {
    if (id <= 0) {
        return -1;
    }
    const auto utility = db2sim::RunningUtilities::get().find(static_cast<std::uint32_t>(id));
    return utility ? static_cast<int>(utility->priority) : -1;
}

// The natives of com.qorvath.db2sim.Db2Sim for the running utilities.
extern "C" DB2SIM_API jlong JNICALL Java_com_qorvath_db2sim_Db2Sim_nativeStartUtility(
    JNIEnv* env, jclass, jstring database, jstring description, jint priority) {
    if (database == nullptr || description == nullptr) {
        return -1;
    }
    const db2sim::JavaChars name(env, database);
    if (!name.ok()) {
        return -1;  // no further JNI call while its exception is pending
    }
    const db2sim::JavaChars text(env, description);
    return text.ok() ? db2sim_start_utility(name.get(), text.get(), priority) : -1;
}

extern "C" DB2SIM_API jint JNICALL Java_com_qorvath_db2sim_Db2Sim_nativeStopUtility(JNIEnv*, jclass,
                                                                                    jlong id) {
    return db2sim_stop_utility(static_cast<long>(id));
}

extern "C" DB2SIM_API jint JNICALL Java_com_qorvath_db2sim_Db2Sim_nativeUtilityPriority(JNIEnv*,
                                                                                        jclass,
                                                                                        jlong id) {
    return db2sim_utility_priority(static_cast<long>(id));
}
