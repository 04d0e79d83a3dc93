// The monitor's part of the control interface (control.h) and of the Java class
// com.qorvath.db2sim.Db2Sim: in-doubt transactions and idle applications for tests.
#include <jni.h>

#include <ctime>
#include <mutex>
#include <shared_mutex>
#include <string>

#include "db2sim/connection/users.h"
#include "db2sim/core/control.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/javachars.h"
#include "db2sim/core/manager.h"
#include "db2sim/monitor/indoubttransactions.h"
#include "db2sim/monitor/monitorstate.h"

extern "C" int db2sim_add_indoubt(int kind, const char* alias, const char* gtrid,
                                  const char* authid) {
    try {
        if ((kind != 0 && kind != 1) || alias == nullptr || gtrid == nullptr) {
            return -1;
        }
        db2sim::Instance& instance = db2sim::Instance::get();
        std::shared_lock<db2sim::ReadMostlyLock> reading(instance.lock());
        const db2sim::Database* database = db2sim::Manager::get().databases().findByAlias(alias);
        if (database == nullptr) {
            return -1;
        }
        db2sim::IndoubtTransaction transaction;
        transaction.database = db2sim::upperCase(database->name);
        transaction.alias = db2sim::upperCase(database->alias);
        transaction.gtrid = gtrid;
        transaction.authid = db2sim::upperCase(authid != nullptr ? authid : instance.name());
        transaction.timestamp = std::time(nullptr);
        return db2sim::IndoubtTransactions::get().add(kind == 1, std::move(transaction)) ? 0 : -1;
    } catch (...) {
        return -1;
    }
}

extern "C" int db2sim_set_idle_applications(long count) {
    if (count < 0) {
        return -1;
    }
    try {
        db2sim::MonitorState::get().setIdleApplications(count);
        return 0;
    } catch (...) {
        return -1;
    }
}

namespace {

using db2sim::JavaChars;

}  // namespace

extern "C" JNIEXPORT jint JNICALL Java_com_qorvath_db2sim_Db2Sim_nativeAddIndoubt(
    JNIEnv* env, jclass, jint kind, jstring alias, jstring gtrid, jstring authid) {
    JavaChars a(env, alias);
    JavaChars g(env, gtrid);
    JavaChars u(env, authid);
    if (!a.ok() || !g.ok() || !u.ok()) {
        return -1;
    }
    return db2sim_add_indoubt(kind, a.get(), g.get(), u.get());
}

extern "C" JNIEXPORT jint JNICALL
Java_com_qorvath_db2sim_Db2Sim_nativeSetIdleApplications(JNIEnv*, jclass, jlong count) {
    return db2sim_set_idle_applications(static_cast<long>(count));
}
