// Journal text of the recovery structures: lists as "[a,b]", media as "L[/path]", bounded so a
// wrong count or a long name never makes a line read past what the caller holds.
#pragma once

#include <string>

#include "db2api/db2structs.h"

namespace db2sim {

class RecoveryJournal {
  public:
    // At most kShown items are read and shown; "+N" tells how many more there were.
    static constexpr db2Uint32 kShown = 16;

    static std::string strings(char* const* items, db2Uint32 count);
    static std::string tablespaces(const db2TablespaceStruct* list);
    static std::string tablespaces(const sqlu_tablespace_bkrst_list* list);
    static std::string media(const db2MediaListStruct* media);
    static std::string nodes(const SQL_PDB_NODE_TYPE* nodes, db2Uint32 count);
    static std::string hex(db2Uint32 value);
};

}  // namespace db2sim
