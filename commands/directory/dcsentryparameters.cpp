#include "commands/directory/dcsentryparameters.h"

#include "commands/fixedfield.h"

void DcsEntryParameters::readAll(const tarvinex::JavaObject& command) {
    dbName = command.getFieldString("DbName");
    targDbName = command.getFieldString("TargetDBName");
    libName = command.getFieldString("LibName");
    params = command.getFieldString("Params");
    comment = command.getFieldString("Comment");
}

sql_dir_entry DcsEntryParameters::catalogEntry() const {
    sql_dir_entry entry = uncatalogEntry();
    copyToField(entry.tdb, targDbName);
    copyToField(entry.ar, libName);
    copyToField(entry.parm, params);
    copyToField(entry.comment, comment);
    return entry;
}

sql_dir_entry DcsEntryParameters::uncatalogEntry() const {
    sql_dir_entry entry{};
    entry.struct_id = SQL_DCS_STR_ID;
    entry.release = 0;
    entry.codepage = 0;
    copyToField(entry.ldb, dbName);
    return entry;
}
