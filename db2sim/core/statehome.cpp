#include "db2sim/core/statehome.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace db2sim {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// mkdir -p: creates every missing folder of `path`.
bool makeFolders(const std::string& path) {
    for (size_t pos = 1; pos <= path.size(); ++pos) {
        if (pos != path.size() && path[pos] != '/') {
            continue;
        }
        std::string part = path.substr(0, pos);
        if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) {
            return false;
        }
    }
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool safeName(const std::string& name) {
    return !name.empty() && name[0] != '/' && name.find("..") == std::string::npos;
}

std::string folderOf(const std::string& file) {
    size_t slash = file.rfind('/');
    return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

}  // namespace

std::string StateHome::resolve() {
    std::string home = environment("DB2SIM_HOME");
    if (!home.empty()) {
        return home;
    }
    std::string data = environment("XDG_DATA_HOME");
    if (!data.empty()) {
        return data + "/db2sim";
    }
    std::string user = environment("HOME");
    if (!user.empty()) {
        return user + "/.local/share/db2sim";
    }
    return "/tmp/db2sim-" + std::to_string(getuid());
}

bool StateHome::open() {
    std::lock_guard<std::mutex> guard(lock_);
    path_ = resolve();
    return makeFolders(path_);
}

std::string StateHome::fullPath(const std::string& name) const {
    return path_ + "/" + name;
}

bool StateHome::writeFile(const std::string& name, const std::string& content) {
    if (!safeName(name)) {
        return false;
    }
    std::lock_guard<std::mutex> guard(lock_);
    std::string target = fullPath(name);
    if (!makeFolders(folderOf(target))) {
        return false;
    }
    std::string temporary = target + ".tmp" + std::to_string(getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << content;
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool StateHome::readFile(const std::string& name, std::string& content) const {
    if (!safeName(name)) {
        return false;
    }
    std::lock_guard<std::mutex> guard(lock_);
    std::ifstream in(fullPath(name), std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    content = text.str();
    return true;
}

bool StateHome::removeFile(const std::string& name) {
    if (!safeName(name)) {
        return false;
    }
    std::lock_guard<std::mutex> guard(lock_);
    return std::remove(fullPath(name).c_str()) == 0;
}

}  // namespace db2sim
