#include "db2sim/database/tablestore.h"

#include <cctype>

#include "db2sim/core/instance.h"
#include "db2sim/core/nodestructor.h"

namespace db2sim {
namespace {

std::string upper(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return out;
}

Column column(const char* name, const char* type, bool nullable = true) {
    Column column;
    column.name = name;
    column.setType(type);
    column.nullable = nullable;
    return column;
}

// Fills `table` from rows of texts (null for a null value), normalised per column.
void fill(Table& table, const std::vector<std::vector<const char*>>& rows) {
    for (const auto& texts : rows) {
        Row row;
        for (size_t i = 0; i < texts.size(); ++i) {
            std::string value;
            table.columns()[i].normalize(texts[i] == nullptr ? "" : texts[i], value);
            row.push_back(texts[i] == nullptr ? Cell() : Cell(value));
        }
        table.insert(std::move(row));
    }
    table.counters = TableCounters();
}

Table sampleOrg(const std::string& schema) {
    Table org(schema, "ORG",
              {column("DEPTNUMB", "SMALLINT", false), column("DEPTNAME", "VARCHAR(14)"),
               column("MANAGER", "SMALLINT"), column("DIVISION", "VARCHAR(10)"),
               column("LOCATION", "VARCHAR(13)")});
    fill(org, {
                  {"10", "Head Office", "160", "Corporate", "New York"},
                  {"15", "New England", "50", "Eastern", "Boston"},
                  {"20", "Mid Atlantic", "10", "Eastern", "Washington"},
                  {"38", "South Atlantic", "30", "Eastern", "Atlanta"},
                  {"42", "Great Lakes", "100", "Midwest", "Chicago"},
                  {"51", "Plains", "140", "Midwest", "Dallas"},
                  {"66", "Pacific", "270", "Western", "San Francisco"},
                  {"84", "Mountain", "290", "Western", "Denver"},
              });
    return org;
}

Table sampleStaff(const std::string& schema) {
    Table staff(schema, "STAFF",
                {column("ID", "SMALLINT", false), column("NAME", "VARCHAR(9)"),
                 column("DEPT", "SMALLINT"), column("JOB", "CHAR(5)"), column("YEARS", "SMALLINT"),
                 column("SALARY", "DECIMAL(7,2)"), column("COMM", "DECIMAL(7,2)")});
    fill(staff, {
                    {"10", "Sanders", "20", "Mgr", "7", "98357.50", nullptr},
                    {"20", "Pernal", "20", "Sales", "8", "78171.25", "612.45"},
                    {"30", "Marenghi", "38", "Mgr", "5", "77506.75", nullptr},
                    {"40", "O'Brien", "38", "Sales", "6", "78006.00", "846.55"},
                    {"50", "Hanes", "15", "Mgr", "10", "80659.80", nullptr},
                    {"60", "Quigley", "38", "Sales", nullptr, "66808.30", "650.25"},
                    {"70", "Rothman", "15", "Sales", "7", "76502.83", "1152.00"},
                    {"80", "James", "20", "Clerk", nullptr, "43504.60", "128.20"},
                    {"90", "Koonitz", "42", "Sales", "6", "38001.75", "1386.70"},
                    {"100", "Plotz", "42", "Mgr", "7", "78352.80", nullptr},
                    {"110", "Ngan", "15", "Clerk", "5", "42508.20", "206.60"},
                    {"120", "Naughton", "38", "Clerk", nullptr, "42954.75", "180.00"},
                    {"130", "Yamaguchi", "42", "Clerk", "6", "40505.90", "75.60"},
                    {"140", "Fraye", "51", "Mgr", "6", "91150.00", nullptr},
                    {"150", "Williams", "51", "Sales", "6", "79456.50", "637.65"},
                    {"160", "Molinare", "10", "Mgr", "7", "82959.20", nullptr},
                    {"170", "Kermisch", "15", "Clerk", "4", "42258.50", "110.10"},
                    {"180", "Abrahams", "38", "Clerk", "3", "37009.75", "236.50"},
                    {"190", "Sneider", "20", "Clerk", "8", "34252.75", "126.50"},
                    {"200", "Scoutten", "42", "Clerk", nullptr, "41508.60", "84.20"},
                    {"210", "Lu", "10", "Mgr", "10", "90010.00", nullptr},
                    {"220", "Smith", "51", "Sales", "7", "87654.50", "992.80"},
                    {"230", "Lundquist", "51", "Clerk", "3", "83369.80", "189.65"},
                    {"240", "Daniels", "10", "Mgr", "5", "79260.25", nullptr},
                    {"250", "Wheeler", "51", "Clerk", "6", "74460.00", "513.30"},
                    {"260", "Jones", "10", "Mgr", "12", "81234.00", nullptr},
                    {"270", "Lea", "66", "Mgr", "9", "88555.50", nullptr},
                    {"280", "Wilson", "66", "Sales", "9", "78674.50", "811.50"},
                    {"290", "Quill", "84", "Mgr", "10", "89818.00", nullptr},
                    {"300", "Davis", "84", "Sales", "5", "65454.50", "806.10"},
                    {"310", "Graham", "66", "Sales", "13", "71000.00", "200.30"},
                    {"320", "Gonsalves", "66", "Sales", "4", "76858.20", "1152.00"},
                    {"330", "Burke", "66", "Clerk", "1", "49988.00", "55.50"},
                    {"340", "Edwards", "84", "Sales", "7", "67844.00", "1285.00"},
                    {"350", "Gafney", "84", "Clerk", "5", "43030.50", "188.00"},
                });
    return staff;
}

}  // namespace

TableStore& TableStore::get() {
    static NoDestructor<TableStore> store;
    return store.get();
}

TableStore::TableStore() {
    Instance::get().addResetHook([this] { reloadAll(); });
}

std::vector<Table> TableStore::sampleTables(const std::string& schema) {
    std::vector<Table> tables;
    tables.push_back(sampleOrg(schema));
    tables.push_back(sampleStaff(schema));
    return tables;
}

DatabaseTables& TableStore::tablesOf(const std::string& database) {
    std::string name = upper(database);
    auto found = databases_.find(name);
    if (found != databases_.end()) {
        return *found->second;
    }
    auto tables = std::make_unique<DatabaseTables>(name);
    StateHome& home = Instance::get().home();
    if (!tables->load(home) && name == kSampleDatabase) {
        for (Table& table : sampleTables(upper(Instance::get().name()))) {
            tables->add(std::move(table));
        }
        tables->saveAll(home);
    }
    return *databases_.emplace(name, std::move(tables)).first->second;
}

void TableStore::created(const std::string& database) {
    std::lock_guard<std::mutex> guard(lock_);
    std::string name = upper(database);
    auto tables = std::make_unique<DatabaseTables>(name);
    tables->saveAll(Instance::get().home());
    databases_[name] = std::move(tables);
}

void TableStore::forget(const std::string& database) {
    std::lock_guard<std::mutex> guard(lock_);
    std::string name = upper(database);
    auto tables = std::make_unique<DatabaseTables>(name);
    StateHome& home = Instance::get().home();
    tables->load(home);
    tables->removeFiles(home);
    databases_.erase(name);
}

void TableStore::reload(const std::string& database) {
    std::lock_guard<std::mutex> guard(lock_);
    databases_.erase(upper(database));
}

void TableStore::reloadAll() {
    std::lock_guard<std::mutex> guard(lock_);
    databases_.clear();
}

std::vector<std::string> TableStore::fileNames(const std::string& database) {
    std::lock_guard<std::mutex> guard(lock_);
    return tablesOf(database).fileNames();
}

}  // namespace db2sim
