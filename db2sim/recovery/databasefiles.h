// The state files of one database: every file of the state folder below an area's folder whose
// path holds the database's name as a whole part ("tablespaces/NAME", "config/db/NAME",
// "history/NAME", "tables/NAME/..."), the convention every area keeps. A file under another
// database's folder is never taken, even when a part of its path happens to be this name.
#pragma once

#include <string>
#include <vector>

#include "db2sim/core/statehome.h"
#include "db2sim/recovery/backupimage.h"

namespace db2sim {

class DatabaseFiles {
  public:
    // `databases`: the names of every database of the instance.
    static std::vector<ImageFile> collect(StateHome& home, const std::string& name,
                                          const std::vector<std::string>& databases);
    static void remove(StateHome& home, const std::string& name,
                       const std::vector<std::string>& databases);
    // Writes the files under `name`; false when one cannot be written.
    static bool write(StateHome& home, const std::string& name,
                      const std::vector<ImageFile>& files);
};

}  // namespace db2sim
