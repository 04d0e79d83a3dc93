// The C control interface (control.h). A function that changes the instance holds its lock
// exclusively, one that reads it shared; faults and journal have locks of their own. None throws.
#include "db2sim/core/control.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <shared_mutex>
#include <string>

#include "db2sim/core/entrypoints.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcawriter.h"

namespace db2sim {
namespace {

std::unique_lock<ReadMostlyLock> changing(Instance& instance) {
    return std::unique_lock<ReadMostlyLock>(instance.lock());
}

std::shared_lock<ReadMostlyLock> reading(Instance& instance) {
    return std::shared_lock<ReadMostlyLock>(instance.lock());
}

size_t copyOut(const std::string& text, char* buf, size_t size) {
    if (buf != nullptr && size > 0) {
        size_t length = std::min(text.size(), size - 1);
        std::memcpy(buf, text.data(), length);
        buf[length] = '\0';
    }
    return text.size();
}

bool knownKind(int kind) {
    return kind == DB2SIM_FAULT_MISSING || kind == DB2SIM_FAULT_ERROR ||
           kind == DB2SIM_FAULT_WARNING;
}

}  // namespace
}  // namespace db2sim

using db2sim::Instance;

extern "C" int db2sim_inject(const char* entry, int kind, int sqlcode, const char* tokens,
                             int times) {
    try {
        if (entry == nullptr || !db2sim::isEntryPoint(entry) || !db2sim::knownKind(kind)) {
            return -1;
        }
        Instance& instance = Instance::get();
        db2sim::Fault fault{static_cast<db2sim::FaultKind>(kind), sqlcode,
                            db2sim::joinTokens(db2sim::splitTokens(tokens)), times};
        return instance.faults().inject(entry, fault) ? 0 : -1;
    } catch (...) {
        return -1;
    }
}

extern "C" void db2sim_clear_faults(void) {
    try {
        Instance& instance = Instance::get();
        instance.faults().clear();
    } catch (...) {
        // Nothing to clear when the instance cannot even be built.
    }
}

extern "C" size_t db2sim_journal(char* buf, size_t size) {
    try {
        Instance& instance = Instance::get();
        return db2sim::copyOut(instance.journal().text(), buf, size);
    } catch (...) {
        return db2sim::copyOut(std::string(), buf, size);
    }
}

extern "C" void db2sim_clear_journal(void) {
    try {
        Instance& instance = Instance::get();
        instance.journal().clear();
    } catch (...) {
        // Nothing to clear when the instance cannot even be built.
    }
}

extern "C" long db2sim_counter(const char* name) {
    try {
        if (name == nullptr) {
            return -1;
        }
        Instance& instance = Instance::get();
        auto lock = db2sim::reading(instance);
        db2sim::Manager::get();  // registers its counters on first use
        return instance.counter(name);
    } catch (...) {
        return -1;
    }
}

extern "C" void db2sim_reset(void) {
    try {
        Instance& instance = Instance::get();
        auto lock = db2sim::changing(instance);
        instance.reset();
    } catch (...) {
        // Only allocation can fail here; the instance stays usable.
    }
}

extern "C" int db2sim_set_product(const char* signature) {
    try {
        if (signature == nullptr) {
            return -1;
        }
        Instance& instance = Instance::get();
        auto lock = db2sim::changing(instance);
        return instance.setProduct(signature) ? 0 : -1;
    } catch (...) {
        return -1;
    }
}

extern "C" size_t db2sim_product(char* buf, size_t size) {
    try {
        Instance& instance = Instance::get();
        auto lock = db2sim::reading(instance);
        return db2sim::copyOut(instance.product(), buf, size);
    } catch (...) {
        return db2sim::copyOut(std::string(), buf, size);
    }
}

extern "C" size_t db2sim_home(char* buf, size_t size) {
    try {
        Instance& instance = Instance::get();
        auto lock = db2sim::reading(instance);
        return db2sim::copyOut(instance.home().path(), buf, size);
    } catch (...) {
        return db2sim::copyOut(std::string(), buf, size);
    }
}

extern "C" int db2sim_add_user(const char* user, const char* password) {
    try {
        if (user == nullptr || password == nullptr) {
            return -1;
        }
        Instance& instance = Instance::get();
        auto lock = db2sim::changing(instance);
        return db2sim::Manager::get().users().add(instance.home(), user, password) ? 0 : -1;
    } catch (...) {
        return -1;
    }
}

extern "C" void db2sim_set_started(int started) {
    try {
        Instance& instance = Instance::get();
        auto lock = db2sim::changing(instance);
        db2sim::Manager::get().setStarted(started != 0);
    } catch (...) {
        // Only building the manager can fail; the state stays as it was.
    }
}

extern "C" int db2sim_fill_database_directory(long n) {
    try {
        Instance& instance = Instance::get();
        auto lock = db2sim::changing(instance);
        return db2sim::Manager::get().directories().databases().fill(n, instance.home()) ? 0 : -1;
    } catch (...) {
        return -1;
    }
}

extern "C" int db2sim_add_instance(const char* name) {
    try {
        if (name == nullptr) {
            return -1;
        }
        Instance& instance = Instance::get();
        auto lock = db2sim::changing(instance);
        return db2sim::Manager::get().directories().addInstance(instance.home(), name) ? 0 : -1;
    } catch (...) {
        return -1;
    }
}
