// The result table of a listing command: its columns, then one row at a time.
//
// Shared by the directory and configuration listings, whose rows are their result. A column that
// cannot be added leaves its Java exception pending for the caller, and the listing stops. Rows
// are recorded natively and handed to the container in blocks (bridge/rowblock.h), so a listing
// of any length crosses into Java once per few hundred rows and holds a constant number of local
// references; a container without the block method gets the same calls one by one (see
// DB2APIDataContainer::addRows). Whatever is still recorded when the listing goes out of scope is
// handed over then, also when the command has raised its SQLException by that time: rows listed
// before a failure stay in the container. Once Java refuses a block, or a row starts while a Java
// exception is pending, nothing more is recorded.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "bridge/db2apidatacontainer.h"
#include "bridge/rowblock.h"

class RowListing {
  public:
    explicit RowListing(const DB2APIDataContainer& container);
    ~RowListing();
    RowListing(const RowListing&) = delete;
    RowListing& operator=(const RowListing&) = delete;

    // Adds the columns in order; false when Java failed on one of them (its exception pending).
    bool addColumns(std::initializer_list<const char*> names) const;
    bool addColumns(const char* const* names, std::size_t count) const;
    // Starts a row; false (and nothing recorded) once the listing has stopped.
    bool newRow();
    void set(int column, std::string_view text);
    // Hands the recorded rows to Java now. A Java exception pending at this point is set aside
    // meanwhile and raised again afterwards (a failure of the block itself then gives way to it).
    void flush();
    // Flushes; true when every row reached Java and no Java exception is pending.
    bool finish();

  private:
    const DB2APIDataContainer& m_container;
    JNIEnv* m_env;
    tarvinex::RowBlock m_block;
    bool m_refused = false;  // Java failed on a block
    bool m_stopped = false;  // a Java exception was pending when a row started
};
