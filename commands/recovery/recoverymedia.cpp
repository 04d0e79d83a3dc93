#include "commands/recovery/recoverymedia.h"

t_string RecoveryMedia::vendorOptions(const t_string& fileName, const t_string& text) {
    return fileName.empty() ? text : "@" + fileName;
}

void RecoveryMedia::useLibrary(const t_string& library) {
    locations.assign({library});
}

bool RecoveryMedia::readDirectories(const tarvinex::JavaObject& collection, const char* what) {
    return locations.read(collection, what);
}

db2MediaListStruct* RecoveryMedia::get() {
    list = db2MediaListStruct{};
    list.locations = locations.data();
    list.numLocations = static_cast<db2Uint32>(locations.size());
    list.locationType = locationType;
    return &list;
}
