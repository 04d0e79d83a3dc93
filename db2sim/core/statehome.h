// The state folder: DB2SIM_HOME, else $XDG_DATA_HOME/db2sim, else ~/.local/share/db2sim.
// Areas keep their files here by name through writeFile/readFile; writes go to a temporary file
// that is renamed over the old one, under one lock per process, so a reader never sees half a file.
#pragma once

#include <mutex>
#include <string>

namespace db2sim {

class StateHome {
  public:
    // Finds the folder again from the environment and creates it. False when it cannot be made;
    // the stand-in then works in memory only.
    bool open();

    const std::string& path() const { return path_; }

    // `name` is relative to the folder ("instance", "dir/db"); no "..", no leading "/".
    bool writeFile(const std::string& name, const std::string& content);
    bool readFile(const std::string& name, std::string& content) const;
    bool removeFile(const std::string& name);

  private:
    static std::string resolve();
    std::string fullPath(const std::string& name) const;

    std::string path_;
    mutable std::mutex lock_;
};

}  // namespace db2sim
