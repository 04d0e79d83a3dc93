#include "db2sim/recovery/imagemedia.h"

#include <sys/stat.h>

#include <filesystem>

#include "db2sim/connection/users.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/recovery/history.h"
#include "db2sim/recovery/recoverycodes.h"

namespace db2sim {
namespace {

constexpr size_t kMaxPath = 1023;
constexpr const char* kNodePart = ".NODE0000.CATN0000.";
constexpr const char* kSequencePart = ".001";

bool isFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// A folder of the state folder standing in for a storage manager, made when missing.
std::string managerFolder(const char* name) {
    StateHome& home = Instance::get().home();
    std::string folder = home.path() + "/" + name;
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

std::string location(const db2MediaListStruct* media, db2Uint32 i) {
    return readParameter(media->locations[i], kMaxPath);
}

bool localFolders(const db2MediaListStruct* media, std::vector<std::string>& out,
                  RecoveryRefusal& refusal) {
    if (media->numLocations == 0 || media->numLocations > ImageMedia::kMaxLocations ||
        media->locations == nullptr) {
        refusal = {code::kInvalidParameter, {"piMediaList"}};
        return false;
    }
    for (db2Uint32 i = 0; i < media->numLocations; ++i) {
        std::string path = location(media, i);
        if (path.empty() || path.size() > kMaxPath || !isFolder(path)) {
            refusal = {code::kPathMissing, {path}};
            return false;
        }
        out.push_back(path);
    }
    return true;
}

}  // namespace

bool ImageMedia::folders(const db2MediaListStruct* media, std::vector<std::string>& out,
                         RecoveryRefusal& refusal) {
    out.clear();
    if (media == nullptr) {
        refusal = {code::kInvalidParameter, {"piMediaList"}};
        return false;
    }
    switch (media->locationType) {
        case 'L':
            return localFolders(media, out, refusal);
        case 'A':
            out.push_back(managerFolder("tsm"));
            return true;
        case 'X':
            out.push_back(managerFolder("xbsa"));
            return true;
        case 'O': {
            std::string library =
                media->numLocations == 1 && media->locations != nullptr ? location(media, 0) : "";
            if (library.empty() || !isFile(library)) {
                refusal = {code::kVendorLibrary, {library}};
                return false;
            }
            out.push_back(managerFolder("vendor"));
            return true;
        }
        default:
            refusal = {code::kInvalidParameter, {"piMediaList"}};
            return false;
    }
}

std::string ImageMedia::imageName(const std::string& alias, const std::string& instance,
                                  const std::string& timestamp) {
    return alias + ".0." + instance + kNodePart + timestamp + kSequencePart;
}

std::vector<ImageMedia::Found> ImageMedia::find(const std::string& folder, const std::string& alias,
                                                const std::string& prefix) {
    std::vector<Found> found;
    std::error_code error;
    std::string start = upperCase(alias) + ".0.";
    std::string sequence = kSequencePart;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::string name = it->path().filename().string();
        size_t node = name.find(kNodePart);
        // ALIAS.0.<instance>.NODE0000.CATN0000.<14 digits>.001
        if (name.compare(0, start.size(), start) != 0 || node == std::string::npos ||
            name.size() != node + std::string(kNodePart).size() + 14 + sequence.size() ||
            name.compare(name.size() - sequence.size(), sequence.size(), sequence) != 0) {
            continue;
        }
        std::string timestamp = name.substr(node + std::string(kNodePart).size(), 14);
        if (timestamp.compare(0, prefix.size(), prefix) == 0 && it->is_regular_file(error)) {
            found.push_back(Found{it->path().string(), timestamp});
        }
    }
    return found;
}

char ImageMedia::deviceType(char locationType) {
    switch (locationType) {
        case 'A':
            return history::kTsm;
        case 'X':
            return history::kXbsa;
        case 'O':
            return history::kVendor;
        default:
            return history::kDisk;
    }
}

}  // namespace db2sim
