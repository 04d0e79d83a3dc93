#include "db2sim/maintenance/packagestore.h"

#include <cctype>
#include <sstream>

#include "db2sim/core/instance.h"
#include "db2sim/core/nodestructor.h"
#include "db2sim/core/fieldescape.h"

namespace db2sim {
namespace {

constexpr const char* kSampleDatabase = "SAMPLE";
constexpr const char* kCliSchema = "NULLID";
const char* const kCliPackages[] = {"SYSSH100", "SYSSN100", "SYSLH100"};

std::string upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        out.push_back(unescapeField(line.substr(start, tab - start)));
        if (tab == std::string::npos) {
            return out;
        }
        start = tab + 1;
    }
}

bool toInt(const std::string& text, long long lowest, long long highest, long long& out) {
    if (text.empty() || text.size() > 11) {
        return false;
    }
    std::size_t used = 0;
    try {
        out = std::stoll(text, &used);
    } catch (...) {
        return false;
    }
    return used == text.size() && out >= lowest && out <= highest;
}

// "PACKAGE schema name version program boundBy isolation reopt binds rebinds".
bool parsePackage(const std::vector<std::string>& f, Package& out) {
    long long numbers[4];
    const long long limits[4][2] = {{-1, 0xFFFF}, {-1, 0xFFFF}, {0, 0xFFFFFFFF}, {0, 0xFFFFFFFF}};
    if (f.size() != 10 || f[1].empty() || f[2].empty()) {
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        if (!toInt(f[6 + i], limits[i][0], limits[i][1], numbers[i])) {
            return false;
        }
    }
    out = Package();
    out.schema = f[1];
    out.name = f[2];
    out.version = f[3];
    out.program = f[4];
    out.boundBy = f[5];
    out.isolation = static_cast<int>(numbers[0]);
    out.reopt = static_cast<int>(numbers[1]);
    out.binds = static_cast<unsigned>(numbers[2]);
    out.rebinds = static_cast<unsigned>(numbers[3]);
    return true;
}

PackageStore::Packages cliPackages() {
    PackageStore::Packages packages;
    for (const char* name : kCliPackages) {
        Package package;
        package.schema = kCliSchema;
        package.name = name;
        package.boundBy = "SYSIBM";
        package.binds = 1;
        package.statements.push_back("SELECT 1 FROM SYSIBM.SYSDUMMY1");
        packages.emplace(package.qualifiedName(), package);
    }
    return packages;
}

}  // namespace

PackageStore& PackageStore::get() {
    static NoDestructor<PackageStore> store;
    return store.get();
}

PackageStore::PackageStore() {
    Instance::get().addResetHook([this] { reloadAll(); });
}

std::string PackageStore::fileName(const std::string& database) {
    return std::string(kFolder) + "/" + upper(database);
}

PackageStore::Packages& PackageStore::packagesOf(const std::string& database) {
    const std::string name = upper(database);
    auto found = databases_.find(name);
    if (found != databases_.end()) {
        return found->second;
    }
    std::string text;
    Packages packages;
    if (Instance::get().home().readFile(fileName(name), text)) {
        packages = parse(text);
    } else if (name == kSampleDatabase) {
        packages = cliPackages();
        save(name, packages);
    }
    return databases_.emplace(name, std::move(packages)).first->second;
}

bool PackageStore::save(const std::string& database, const Packages& packages) {
    return Instance::get().home().writeFile(fileName(database), serialize(packages));
}

void PackageStore::forget(const std::string& database) {
    std::lock_guard<std::mutex> guard(lock_);
    databases_.erase(upper(database));
    Instance::get().home().removeFile(fileName(database));
}

void PackageStore::reload(const std::string& database) {
    std::lock_guard<std::mutex> guard(lock_);
    databases_.erase(upper(database));
}

void PackageStore::reloadAll() {
    std::lock_guard<std::mutex> guard(lock_);
    databases_.clear();
}

std::string PackageStore::serialize(const Packages& packages) {
    std::ostringstream out;
    for (const auto& entry : packages) {
        const Package& p = entry.second;
        out << "PACKAGE\t" << escapeField(p.schema) << '\t' << escapeField(p.name) << '\t'
            << escapeField(p.version) << '\t' << escapeField(p.program) << '\t'
            << escapeField(p.boundBy) << '\t' << p.isolation << '\t' << p.reopt << '\t' << p.binds
            << '\t' << p.rebinds << '\n';
        for (const std::string& statement : p.statements) {
            out << "STMT\t" << escapeField(statement) << '\n';
        }
    }
    return out.str();
}

PackageStore::Packages PackageStore::parse(const std::string& text) {
    Packages packages;
    Package* current = nullptr;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const std::vector<std::string> f = fields(line);
        Package package;
        if (f[0] == "PACKAGE" && parsePackage(f, package)) {
            const std::string key = package.qualifiedName();
            current = &(packages[key] = std::move(package));
        } else if (f[0] == "STMT" && f.size() == 2 && current != nullptr) {
            current->statements.push_back(f[1]);
        } else {
            current = nullptr;  // a malformed package line drops its statements too
        }
    }
    return packages;
}

}  // namespace db2sim
