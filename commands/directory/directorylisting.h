// The result table of a directory listing: its columns, then one row at a time.
//
// Shared by the database, node and DCS listings. A column that cannot be added leaves a Java
// exception; it is described (printed and cleared) and the listing stops. The container's newRow
// and setColumnValue are looked up once per listing (a listing writes hundreds of thousands of
// cells); when they cannot be found, the container's own calls report it as usual. Each cell
// deletes the Java string it made, so a listing of any length holds a constant number of local
// references, and nothing is called in Java while an exception is pending.
#pragma once

#include <jni.h>

#include <initializer_list>
#include <string>

#include "bridge/db2apidatacontainer.h"

class DirectoryListing {
  public:
    explicit DirectoryListing(const DB2APIDataContainer& container);

    // Adds the columns in order; false when Java failed on one of them.
    bool addColumns(std::initializer_list<const char*> names) const;
    void newRow() const;
    void set(int column, const std::string& text) const;

  private:
    const DB2APIDataContainer& m_container;
    JNIEnv* m_env;
    jmethodID m_newRow = nullptr;
    jmethodID m_setColumnValue = nullptr;
};
