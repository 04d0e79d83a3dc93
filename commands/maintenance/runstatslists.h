// The column, distribution, column-group and index lists of a statistics run, read from the Java
// command and owned here: every name, entry and pointer array lives as long as the lists. An
// option without names adds nothing; an option with one name is a single column, with more a
// group. Each collection is read as one array, so a collection that changes (or misreports its
// size) while it is read can never make the lists disagree with their counts.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "bridge/javaobject.h"
#include "db2api/db2structs.h"
#include "base/stdafx.h"

class RunstatsLists {
  public:
    // Reads getColsColumnOptions, getDistColumnOptions and getIndexName. False with an
    // SQLException raised when a list is refused (a null name, counts beyond 16 bits) or a Java
    // call failed.
    bool read(const tarvinex::JavaObject& command, const t_string& className);

    db2ColumnData** columns() { return pointers(columnPtrs); }
    db2ColumnDistData** distributions() { return pointers(distPtrs); }
    db2ColumnGrpData** groups() { return pointers(groupPtrs); }
    unsigned char** indexes() { return pointers(indexPtrs); }
    db2int16 columnCount() const { return static_cast<db2int16>(columnPtrs.size()); }
    db2int16 distributionCount() const { return static_cast<db2int16>(distPtrs.size()); }
    db2int16 groupCount() const { return static_cast<db2int16>(groupPtrs.size()); }
    db2int16 indexCount() const { return static_cast<db2int16>(indexPtrs.size()); }

  private:
    struct Group {
        db2ColumnGrpData data{};
        std::vector<unsigned char*> names;
    };

    bool readColumnOptions(const tarvinex::JavaObject& command, const t_string& className);
    bool readDistOptions(const tarvinex::JavaObject& command, const t_string& className);
    bool readIndexes(const tarvinex::JavaObject& command);
    // Hands each element of a collection getter, viewed through `elementClass`, to `take`.
    bool forEachOption(const tarvinex::JavaObject& command, const char* getter,
                       const t_string& elementClass,
                       const std::function<bool(const tarvinex::JavaObject&)>& take);
    bool takeColumnOption(const tarvinex::JavaObject& option);
    bool takeDistOption(const tarvinex::JavaObject& option);
    // toString() of each element of a Java collection (null: none); a null element or more
    // names than a count holds is refused.
    bool readTexts(const tarvinex::JavaObject& collection, const char* what,
                   std::vector<t_string>& texts);
    bool namesOf(const tarvinex::JavaObject& option, std::vector<unsigned char*>& names);
    bool readCount(const tarvinex::JavaObject& option, const char* getter, db2int16& out);
    unsigned char* keep(const t_string& name);
    bool checkCounts();
    template <class T>
    static T** pointers(std::vector<T*>& list) {
        return list.empty() ? nullptr : list.data();
    }

    JNIEnv* env = nullptr;
    std::vector<std::unique_ptr<t_string>> names;
    std::vector<std::unique_ptr<db2ColumnData>> columnEntries;
    std::vector<std::unique_ptr<db2ColumnDistData>> distEntries;
    std::vector<std::unique_ptr<Group>> groupEntries;
    std::vector<db2ColumnData*> columnPtrs;
    std::vector<db2ColumnDistData*> distPtrs;
    std::vector<db2ColumnGrpData*> groupPtrs;
    std::vector<unsigned char*> indexPtrs;
};
