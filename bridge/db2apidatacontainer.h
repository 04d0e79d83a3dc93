// The Java result container: a table of text cells filled column by column, then row by row.
#pragma once

#include "bridge/javaobject.h"
#include "bridge/rowblock.h"

class DB2APIDataContainer : public tarvinex::JavaObject {
  public:
    // Both view the object through com/qorvath/db2command/util/DB2APIDataContainer.
    DB2APIDataContainer(JNIEnv* env, jobject obj);
    explicit DB2APIDataContainer(const tarvinex::JavaObject& src);
    ~DB2APIDataContainer() override = default;

    // Columns are added once, in order, before the first row; the first one is column 1.
    void addColumn(const char* name) const;
    // Starts a row; the following setColumnValue calls fill it.
    void newRow() const;
    void setColumnValue(int column, const char* value) const;
    void setColumnValue(int column, const t_string& value) const;
    // Makes the block's calls in Java in one go (see bridge/rowblock.h). False when the block
    // could not be handed over or a call threw; the Java exception is then pending.
    bool addRows(const tarvinex::RowBlock& block) const;
};
