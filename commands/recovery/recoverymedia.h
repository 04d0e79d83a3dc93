// Where a backup goes or a restore comes from: a db2MediaListStruct (kind and locations) and the
// location texts it points to, owned together until the command ends.
#pragma once

#include "bridge/javaobject.h"
#include "commands/stringarray.h"
#include "db2api/db2structs.h"
#include "base/stdafx.h"

class RecoveryMedia {
  public:
    RecoveryMedia() = default;
    RecoveryMedia(const RecoveryMedia&) = delete;
    RecoveryMedia& operator=(const RecoveryMedia&) = delete;

    // The vendor options DB2 is handed: "@" and the file name when there is one, else the text.
    static t_string vendorOptions(const t_string& fileName, const t_string& text);

    // The kind: SQLU_LOCAL_MEDIA, SQLU_XBSA_MEDIA, SQLU_TSM_MEDIA, SQLU_OTHER_MEDIA or
    // SQLU_USER_EXIT.
    void setKind(char kind) { locationType = kind; }
    // One location: the vendor library.
    void useLibrary(const t_string& library);
    // The directories of a Java collection (none for a null one). False with the exception
    // raised when it cannot be read.
    bool readDirectories(const tarvinex::JavaObject& collection, const char* what);
    void clearLocations() { locations.clear(); }

    // The structure to pass; valid while this object is.
    db2MediaListStruct* get();
    char kind() const { return locationType; }
    const std::vector<t_string>& view() const { return locations.view(); }

  private:
    StringArray locations;
    char locationType = SQLU_USER_EXIT;
    db2MediaListStruct list{};
};
