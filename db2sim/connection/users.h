// The instance's users and how a request is authenticated. A fresh instance has one
// administrator named like the instance, password "db2sim". The list lives in the state folder's
// file "users", one "NAME:password" line each: a test instance's secrets, kept readable on purpose.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "db2sim/core/statehome.h"

namespace db2sim {

class Users {
  public:
    static constexpr const char* kFileName = "users";
    static constexpr const char* kDefaultPassword = "db2sim";
    // Longer names would not leave room for the attach reply in the 70 bytes of sqlerrmc.
    static constexpr size_t kMaxNameLength = 8;

    // Reads the list from the state folder. A missing file, or one without the instance owner,
    // gets the owner added and is written back.
    void load(StateHome& home, const std::string& owner);

    // Adds a user, or changes the password of one that exists, and saves the list. False for a
    // name that is empty, too long or holds anything but letters, digits and "_$#@", or a
    // password that is empty or holds a control character.
    bool add(StateHome& home, const std::string& name, const std::string& password);

    // The authorisation id a request runs under: no user name means the current OS user, trusted
    // without a password; otherwise the user name in upper case when the password matches. No
    // value when the request is refused.
    std::optional<std::string> authenticate(const char* user, const char* password) const;

    size_t size() const { return passwords_.size(); }

  private:
    bool save(StateHome& home) const;

    std::map<std::string, std::string> passwords_;  // by upper-case name
};

// `text` in upper case (ASCII letters only).
std::string upperCase(std::string text);

}  // namespace db2sim
