// The data movement structures as journal text, read at call time within their bounds: fixed
// text fields up to their width, counted strings by their length, lists by their counts (the
// first kMaxShown entries, then "..."). Strings are in double quotes with '"' and '\' escaped.
#pragma once

#include <string>

#include "db2api/structs/datamove.h"

namespace db2sim {

class DatamoveJournal {
  public:
    static constexpr int kMaxShown = 16;

    static std::string mediaList(const sqlu_media_list* list);
    static std::string descriptor(const sqldcol* descriptor);
    static std::string counted(const sqlchar* text);
    static std::string counted(const sqllob* text);
    static std::string nullIndicators(const db2int32* indicators, const sqldcol* descriptor);
    static std::string importIn(const db2ImportIn* in);
    static std::string exportIn(const db2ExportIn* in);
    static std::string loadIn(const db2LoadIn* in);
    static std::string partLoadIn(const db2PartLoadIn* in);
    static std::string loadQuery(const db2LoadQueryStruct& query);
    static std::string xmlValidate(const db2DMUXmlValidate* validate);

    // `text` in double quotes, '"' and '\' escaped.
    static std::string quoted(const char* text, size_t length);
    // A fixed-width field up to its first NUL.
    static std::string field(const char* text, size_t width);
};

}  // namespace db2sim
