// The stand-in's SELECT statements, action strings and table files. A statement that parses runs
// on a small table without a crash; an action string that parses names a table; a table file
// that parses writes itself back to the same text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "db2sim/database/databasetables.h"
#include "db2sim/datamove/actionstring.h"
#include "db2sim/datamove/selectstatement.h"

namespace {

db2sim::DatabaseTables& sample() {
    static db2sim::DatabaseTables* tables = [] {
        auto* made = new db2sim::DatabaseTables("SAMPLE");
        std::vector<db2sim::Column> columns(3);
        const char* names[] = {"ID", "NAME", "SALARY"};
        const char* types[] = {"SMALLINT", "VARCHAR(9)", "DECIMAL(7,2)"};
        for (size_t i = 0; i < columns.size(); ++i) {
            columns[i].name = names[i];
            columns[i].setType(types[i]);
        }
        db2sim::Table staff("DB2INST1", "STAFF", columns);
        staff.insert({std::string("10"), std::string("Sanders"), std::string("98357.50")});
        staff.insert({std::string("20"), db2sim::Cell(), db2sim::Cell()});
        made->add(staff);
        return made;
    }();
    return *tables;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    db2sim::UtilityRefusal refusal;
    db2sim::SelectStatement statement;
    if (statement.parse(text, refusal)) {
        db2sim::SelectResult result;
        statement.run(sample(), "DB2INST1", result, refusal);
    } else if (refusal.tokens.size() != 3) {
        std::abort();
    }
    db2sim::ActionString action;
    if (action.parse(text, refusal) && action.table.empty()) {
        std::abort();
    }
    db2sim::Table table;
    if (db2sim::Table::parse(text, table)) {
        std::string written = table.serialize();
        db2sim::Table again;
        if (!db2sim::Table::parse(written, again) || again.serialize() != written) {
            std::abort();
        }
    }
    return 0;
}
