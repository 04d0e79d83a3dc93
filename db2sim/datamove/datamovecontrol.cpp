// The control functions that read tables back (control.h), for tests and demos.
#include <algorithm>
#include <cstring>
#include <mutex>
#include <shared_mutex>
#include <string>

#include "db2sim/core/control.h"
#include "db2sim/core/instance.h"
#include "db2sim/database/tablestore.h"
#include "db2sim/datamove/actionstring.h"
#include "db2sim/datamove/delformat.h"

namespace db2sim {
namespace {

// Runs `read(const Table*)` on the named table (null when there is none) under the locks.
template <class Read>
auto withTable(const char* database, const char* table, Read read) {
    Instance& instance = Instance::get();
    std::shared_lock<std::shared_mutex> lock(instance.lock());
    ActionString name;
    UtilityRefusal refusal;
    bool named = database != nullptr && table != nullptr &&
                 name.parse(std::string("INSERT INTO ") + table, refusal);
    std::string owner = instance.name();
    std::transform(owner.begin(), owner.end(), owner.begin(), ::toupper);
    return TableStore::get().with(named ? database : "", [&](DatabaseTables& tables) {
        return read(named ? tables.find(name.schema.empty() ? owner : name.schema, name.table)
                          : nullptr);
    });
}

std::string rowsText(const Table& table) {
    DelFormat format;
    std::string text;
    for (const Row& row : table.rows()) {
        for (size_t i = 0; i < row.size(); ++i) {
            text += (i > 0 ? "," : "") + format.cell(table.columns()[i], row[i]);
        }
        text += '\n';
    }
    return text;
}

}  // namespace
}  // namespace db2sim

extern "C" size_t db2sim_table_rows(const char* database, const char* table, char* buf,
                                    size_t size) {
    std::string text;
    try {
        text = db2sim::withTable(database, table, [](const db2sim::Table* found) {
            return found == nullptr ? std::string() : db2sim::rowsText(*found);
        });
    } catch (...) {
        text.clear();
    }
    if (buf != nullptr && size > 0) {
        size_t length = std::min(text.size(), size - 1);
        std::memcpy(buf, text.data(), length);
        buf[length] = '\0';
    }
    return text.size();
}

extern "C" long db2sim_table_state(const char* database, const char* table) {
    try {
        return db2sim::withTable(database, table, [](const db2sim::Table* found) {
            return found == nullptr ? -1L : static_cast<long>(found->state);
        });
    } catch (...) {
        return -1;
    }
}
