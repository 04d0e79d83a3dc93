// The parameters the DCS catalog and uncatalog commands read from their Java class, and the
// directory entry built from them: fields copied with bounds into a zeroed sql_dir_entry.
#pragma once

#include "bridge/javaobject.h"
#include "db2api/db2structs.h"

struct DcsEntryParameters {
    t_string dbName;
    t_string targDbName;
    t_string libName;
    t_string params;
    t_string comment;

    // Every field, from the DB2CommandCatalogDCSDB getters.
    void readAll(const tarvinex::JavaObject& command);
    // A zeroed entry with the identifier and every field, each cut to its width.
    sql_dir_entry catalogEntry() const;
    // A zeroed entry with the identifier and the local database name only.
    sql_dir_entry uncatalogEntry() const;
};
