#include "db2sim/recovery/recoverytime.h"

#include <cctype>
#include <cstdio>
#include <ctime>

namespace db2sim {
namespace {

std::string format(const std::tm& when) {
    char text[32];
    std::snprintf(text, sizeof(text), "%04d%02d%02d%02d%02d%02d", when.tm_year + 1900,
                  when.tm_mon + 1, when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec);
    return text;
}

int part(const std::string& stamp, size_t at, size_t length) {
    return std::stoi(stamp.substr(at, length));
}

bool digits(const std::string& stamp) {
    if (stamp.size() != 14) {
        return false;
    }
    for (char c : stamp) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

std::tm parse(const std::string& stamp) {
    std::tm when{};
    when.tm_year = part(stamp, 0, 4) - 1900;
    when.tm_mon = part(stamp, 4, 2) - 1;
    when.tm_mday = part(stamp, 6, 2);
    when.tm_hour = part(stamp, 8, 2);
    when.tm_min = part(stamp, 10, 2);
    when.tm_sec = part(stamp, 12, 2);
    when.tm_isdst = -1;
    return when;
}

}  // namespace

std::string RecoveryTime::now() {
    std::time_t seconds = std::time(nullptr);
    std::tm when{};
    localtime_r(&seconds, &when);
    return format(when);
}

bool RecoveryTime::valid(const std::string& stamp) {
    if (!digits(stamp)) {
        return false;
    }
    std::tm when = parse(stamp);
    std::tm normal = when;
    normal.tm_isdst = 0;
    if (timegm(&normal) == -1) {
        return false;
    }
    // A date that normalises to another (the 31st of April, 25 o'clock) is not one.
    return normal.tm_mday == when.tm_mday && normal.tm_mon == when.tm_mon &&
           normal.tm_hour == when.tm_hour && normal.tm_min == when.tm_min &&
           normal.tm_sec == when.tm_sec;
}

std::string RecoveryTime::next(const std::string& stamp) {
    if (!valid(stamp)) {
        return now();
    }
    std::tm when = parse(stamp);
    when.tm_sec += 1;
    when.tm_isdst = 0;
    timegm(&when);
    return format(when);
}

std::string RecoveryTime::iso(const std::string& stamp) {
    if (!digits(stamp)) {
        return std::string();
    }
    return stamp.substr(0, 4) + "-" + stamp.substr(4, 2) + "-" + stamp.substr(6, 2) + "-" +
           stamp.substr(8, 2) + "." + stamp.substr(10, 2) + "." + stamp.substr(12, 2) + ".000000";
}

}  // namespace db2sim
