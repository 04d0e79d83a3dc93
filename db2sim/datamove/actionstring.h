// The action text of import and load: what to do and to which table.
//
//   INSERT | INSERT_UPDATE | REPLACE | REPLACE_CREATE | CREATE | RESTART | TERMINATE
//   INTO [schema.]table [( column [, column]... )]
//
// Keywords in any case; names upper-cased unless in double quotes. Which actions a utility takes
// is the utility's check.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "db2sim/datamove/selectstatement.h"

namespace db2sim {

enum class Action {
    kInsert,
    kInsertUpdate,
    kReplace,
    kReplaceCreate,
    kCreate,
    kRestart,
    kTerminate
};

class ActionString {
  public:
    Action action = Action::kInsert;
    std::string schema;  // empty: the default schema
    std::string table;
    std::vector<std::string> columns;  // empty: every column, in order

    // False with `refusal` set: SQL3033N without a known keyword, SQL3009N when the rest is not
    // "INTO table [(columns)]".
    bool parse(std::string_view text, UtilityRefusal& refusal);

    static const char* name(Action action);
};

}  // namespace db2sim
