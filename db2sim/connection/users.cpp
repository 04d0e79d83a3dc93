#include "db2sim/connection/users.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace db2sim {
namespace {

bool validName(const std::string& name) {
    if (name.empty() || name.size() > Users::kMaxNameLength) {
        return false;
    }
    return std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) ||
               std::string("_$#@").find(c) != std::string::npos;
    });
}

bool validPassword(const std::string& password) {
    return !password.empty() && std::none_of(password.begin(), password.end(), [](char c) {
        return std::iscntrl(static_cast<unsigned char>(c));
    });
}

// The user this process runs as: the password database, else $USER.
std::string readOsUser() {
    std::vector<char> buffer(16384);
    passwd entry;
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_name != nullptr) {
        return found->pw_name;
    }
    const char* user = std::getenv("USER");
    return user != nullptr ? user : "db2sim";
}

// Read once: asking the password database opens files and sockets, which on every attach or
// connect without a user would make threads queue in the kernel.
const std::string& osUser() {
    static const std::string user = upperCase(readOsUser());
    return user;
}

}  // namespace

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

void Users::load(StateHome& home, const std::string& owner) {
    passwords_.clear();
    std::string text;
    bool found = home.readFile(kFileName, text);
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        size_t colon = line.find(':');
        if (colon != std::string::npos && colon > 0) {
            passwords_[upperCase(line.substr(0, colon))] = line.substr(colon + 1);
        }
    }
    if (!found || passwords_.count(upperCase(owner)) == 0) {
        passwords_.emplace(upperCase(owner), kDefaultPassword);
        save(home);
    }
}

bool Users::add(StateHome& home, const std::string& name, const std::string& password) {
    if (!validName(name) || !validPassword(password)) {
        return false;
    }
    passwords_[upperCase(name)] = password;
    save(home);  // without a state folder the user lives in memory only
    return true;
}

std::optional<std::string> Users::authenticate(const char* user, const char* password) const {
    if (user == nullptr || *user == '\0') {
        return osUser();
    }
    auto it = passwords_.find(upperCase(user));
    if (it == passwords_.end() || password == nullptr || it->second != password) {
        return std::nullopt;
    }
    return it->first;
}

bool Users::save(StateHome& home) const {
    std::string text;
    for (const auto& user : passwords_) {
        text += user.first + ":" + user.second + "\n";
    }
    return home.writeFile(kFileName, text);
}

}  // namespace db2sim
