#include "db2sim/recovery/databasefiles.h"

#include <algorithm>
#include <filesystem>

namespace db2sim {
namespace {

namespace fs = std::filesystem;

bool isDatabase(const std::string& part, const std::vector<std::string>& databases) {
    return std::find(databases.begin(), databases.end(), part) != databases.end();
}

// A half-written file of StateHome::writeFile ("name.tmp<pid>").
bool temporary(const std::string& part) {
    return part.find(".tmp") != std::string::npos;
}

// Splits `relative` around the part that names `name`: false when the path is not the
// database's (no such part, a top-level file, or another database's folder before it).
bool splitAround(const fs::path& relative, const std::string& name,
                 const std::vector<std::string>& databases, ImageFile& file) {
    std::vector<std::string> parts;
    for (const fs::path& part : relative) {
        parts.push_back(part.string());
    }
    if (parts.size() < 2 || temporary(parts.back())) {
        return false;
    }
    for (size_t i = 1; i < parts.size(); ++i) {
        if (parts[i] == name) {
            for (size_t j = 0; j < i; ++j) {
                file.prefix += parts[j] + "/";
            }
            for (size_t j = i + 1; j < parts.size(); ++j) {
                file.suffix += "/" + parts[j];
            }
            return true;
        }
        if (isDatabase(parts[i], databases)) {
            return false;
        }
    }
    return false;
}

std::vector<ImageFile> find(StateHome& home, const std::string& name,
                            const std::vector<std::string>& databases) {
    std::vector<ImageFile> files;
    std::error_code error;
    fs::recursive_directory_iterator it(home.path(), error);
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (!it->is_regular_file(error)) {
            continue;
        }
        ImageFile file;
        if (splitAround(it->path().lexically_relative(home.path()), name, databases, file)) {
            files.push_back(std::move(file));
        }
    }
    std::sort(files.begin(), files.end(), [&](const ImageFile& a, const ImageFile& b) {
        return a.pathFor(name) < b.pathFor(name);
    });
    return files;
}

}  // namespace

std::vector<ImageFile> DatabaseFiles::collect(StateHome& home, const std::string& name,
                                              const std::vector<std::string>& databases) {
    std::vector<ImageFile> files = find(home, name, databases);
    for (ImageFile& file : files) {
        home.readFile(file.pathFor(name), file.content);
    }
    return files;
}

void DatabaseFiles::remove(StateHome& home, const std::string& name,
                           const std::vector<std::string>& databases) {
    for (const ImageFile& file : find(home, name, databases)) {
        home.removeFile(file.pathFor(name));
    }
}

bool DatabaseFiles::write(StateHome& home, const std::string& name,
                          const std::vector<ImageFile>& files) {
    bool written = true;
    for (const ImageFile& file : files) {
        written = home.writeFile(file.pathFor(name), file.content) && written;
    }
    return written;
}

}  // namespace db2sim
