// The control functions that read tables back (control.h), for tests and demos.
#include <algorithm>
#include <cstring>
#include <mutex>
#include <shared_mutex>
#include <string>

#include "db2sim/core/control.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"
#include "db2sim/database/tablestore.h"
#include "db2sim/datamove/actionstring.h"
#include "db2sim/datamove/delformat.h"

namespace db2sim {
namespace {

// Runs `read(const Table*)` on the named table (null when there is none) under the locks.
template <class Read>
auto withTable(const char* database, const char* table, Read read) {
    Instance& instance = Instance::get();
    std::shared_lock<ReadMostlyLock> lock(instance.lock());
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

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), ::toupper);
    return text;
}

std::string trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(' ');
    size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// "NAME TYPE [NOT NULL]" items separated by commas outside parentheses.
bool parseColumns(const std::string& text, std::vector<Column>& columns) {
    std::vector<std::string> items(1);
    int depth = 0;
    for (char c : text) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (c == ',' && depth == 0) {
            items.emplace_back();
        } else {
            items.back() += c;
        }
    }
    for (const std::string& raw : items) {
        std::string item = trimmed(raw);
        Column column;
        std::string head = upper(item);
        if (head.size() > 9 && head.compare(head.size() - 9, 9, " NOT NULL") == 0) {
            column.nullable = false;
            item = trimmed(item.substr(0, item.size() - 9));
        }
        size_t blank = item.find(' ');
        if (blank == std::string::npos) {
            return false;
        }
        column.name = upper(item.substr(0, blank));
        if (!DatabaseTables::validName(column.name) || !column.setType(item.substr(blank + 1))) {
            return false;
        }
        for (const Column& other : columns) {
            if (other.name == column.name) {
                return false;
            }
        }
        columns.push_back(column);
    }
    return true;
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

extern "C" int db2sim_create_table(const char* database, const char* table, const char* columns,
                                   const char* key) {
    try {
        using namespace db2sim;
        Instance& instance = Instance::get();
        std::unique_lock<ReadMostlyLock> lock(instance.lock());
        ActionString name;
        UtilityRefusal refusal;
        std::vector<Column> parsed;
        if (database == nullptr || table == nullptr || columns == nullptr ||
            Manager::get().databases().findByAlias(database) == nullptr ||
            !name.parse(std::string("INSERT INTO ") + table, refusal) ||
            !parseColumns(columns, parsed)) {
            return -1;
        }
        std::string owner = name.schema.empty() ? upper(instance.name()) : name.schema;
        Table made(owner, name.table, parsed);
        if (key != nullptr && *key != '\0') {
            Index index{owner, name.table + "_KEY", {}, true};
            std::string text = upper(key);
            for (size_t start = 0; start <= text.size();) {
                size_t comma = std::min(text.find(',', start), text.size());
                index.columns.push_back(trimmed(text.substr(start, comma - start)));
                start = comma + 1;
            }
            if (!made.addIndex(index)) {
                return -1;
            }
        }
        std::string alias = Manager::get().databases().findByAlias(database)->name;
        return TableStore::get().with(alias, [&](DatabaseTables& tables) {
            Table* added = tables.add(std::move(made));
            return added != nullptr && tables.save(instance.home(), *added) ? 0 : -1;
        });
    } catch (...) {
        return -1;
    }
}
