#include "db2sim/directory/directories.h"

#include <sstream>

#include "db2sim/directory/directoriesfields.h"
#include "db2sim/connection/users.h"

namespace db2sim {

void Directories::load(StateHome& home) {
    databases_.load(home);
    nodes_.load(home);
    dcs_.load(home);
    instances_.clear();
    std::string text;
    if (home.readFile(kInstancesFile, text)) {
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            if (validDirectoryName(line)) {
                instances_.push_back(line);
            }
        }
    }
}

long Directories::openScans() const {
    return static_cast<long>(databases_.openScans() + nodes_.openScans() + dcs_.openScans());
}

std::vector<std::string> Directories::instances(const std::string& local) const {
    std::vector<std::string> all{local};
    all.insert(all.end(), instances_.begin(), instances_.end());
    return all;
}

bool Directories::addInstance(StateHome& home, const std::string& name) {
    if (!validDirectoryName(name)) {
        return false;
    }
    for (const std::string& known : instances_) {
        if (upperCase(known) == upperCase(name)) {
            return true;
        }
    }
    instances_.push_back(name);
    std::string text;
    for (const std::string& known : instances_) {
        text += known + "\n";
    }
    return home.writeFile(kInstancesFile, text);
}

}  // namespace db2sim
