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
    // Makes the block's calls (see bridge/rowblock.h) on the container. A container with our
    // addRecordedRows(byte[]) gets the block in one call; any other, for instance an
    // application's own class with only the three methods above, gets one newRow or
    // setColumnValue call per record, through method ids looked up once. The first block
    // decides, and a wrapper lives for one native call, so the choice is made once per call.
    // False when the block could not be handed over or a call threw; the Java exception is
    // then pending. Must be called with none pending.
    bool addRows(const tarvinex::RowBlock& block) const;
    // The block's calls one by one, whatever the container offers.
    bool addRowsOneByOne(const tarvinex::RowBlock& block) const;

  private:
    enum class RowPath { kUndecided, kBlock, kOneByOne };
    struct RowCalls {
        RowPath path = RowPath::kUndecided;
        jmethodID addRecordedRows = nullptr;
        jmethodID newRow = nullptr;
        jmethodID setColumnValue = nullptr;
    };

    // Picks the path on first use; false with an exception pending when neither is possible.
    bool chooseRowPath() const;
    bool lookUpSingleCalls() const;
    bool addRowsInBlock(const tarvinex::RowBlock& block) const;

    mutable RowCalls m_rows;
};
