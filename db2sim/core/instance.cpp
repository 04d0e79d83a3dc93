#include "db2sim/core/instance.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

#include "db2sim/core/nodestructor.h"

namespace db2sim {
namespace {

// "key=value" lines of the instance file.
std::map<std::string, std::string> parseSettings(const std::string& text) {
    std::map<std::string, std::string> settings;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        size_t equals = line.find('=');
        if (equals != std::string::npos) {
            settings[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return settings;
}

bool validProduct(const std::string& s) {
    if (s.size() != 8) {
        return false;
    }
    for (size_t i = 0; i < s.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (i < 3 ? !std::isalpha(c) : !std::isdigit(c)) {
            return false;
        }
    }
    return true;
}

}  // namespace

Instance& Instance::get() {
    static NoDestructor<Instance> instance;
    return instance.get();
}

Instance::Instance() {
    counters_["contexts"] = [this] { return contexts_.count(); };
    counters_["memory"] = [this] { return memory_.count(); };
    counters_["cli_handles"] = [] { return 0L; };
    counters_["scans"] = [] { return 0L; };
    load();
}

// The instance name comes from DB2INSTANCE, else the instance file, else the default. The product
// signature always starts at the default; the file records the one in force for other tools.
void Instance::load() {
    home_.open();
    std::string text;
    std::map<std::string, std::string> settings;
    if (home_.readFile("instance", text)) {
        settings = parseSettings(text);
    }
    const char* env = std::getenv("DB2INSTANCE");
    if (env != nullptr && *env != '\0') {
        name_ = env;
    } else if (!settings["name"].empty()) {
        name_ = settings["name"];
    } else {
        name_ = kDefaultName;
    }
    saveInstanceFile();
}

void Instance::saveInstanceFile() {
    home_.writeFile("instance", "name=" + name_ + "\nproduct=" + product_ + "\n");
}

bool Instance::setProduct(const std::string& signature) {
    if (!validProduct(signature)) {
        return false;
    }
    product_ = signature;
    saveInstanceFile();
    return true;
}

long Instance::counter(const std::string& name) {
    std::function<long()> count;
    {
        std::lock_guard<std::mutex> guard(hooksLock_);
        auto it = counters_.find(name);
        if (it == counters_.end()) {
            return -1;
        }
        count = it->second;
    }
    return count();
}

void Instance::addCounter(const std::string& name, std::function<long()> count) {
    std::lock_guard<std::mutex> guard(hooksLock_);
    auto found = counters_.find(name);
    if (found == counters_.end()) {
        counters_[name] = std::move(count);
        return;
    }
    found->second = [before = std::move(found->second), added = std::move(count)] {
        return before() + added();
    };
}

void Instance::addResetHook(std::function<void()> hook) {
    std::lock_guard<std::mutex> guard(hooksLock_);
    resetHooks_.push_back(std::move(hook));
}

void Instance::reset() {
    std::vector<std::function<void()>> hooks;
    {
        std::lock_guard<std::mutex> guard(hooksLock_);
        hooks = resetHooks_;
    }
    contexts_.clear();
    memory_.clear();
    faults_.clear();
    journal_.clear();
    product_ = kDefaultProduct;
    load();
    for (const auto& hook : hooks) {
        hook();
    }
}

}  // namespace db2sim
