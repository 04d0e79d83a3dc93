#include "base/diagnostics.h"

#include <strings.h>

#include <cstdlib>

namespace tarvinex {
namespace {

constexpr const char* kSetting = "TARVINEX_DIAGNOSTICS";
constexpr const char* kOffValues[] = {"off", "0", "no", "false"};

bool ReadSetting() {
    const char* value = std::getenv(kSetting);
    if (value == nullptr) {
        return true;
    }
    for (const char* off : kOffValues) {
        if (strcasecmp(value, off) == 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool DiagnosticsEnabled() {
    static const bool enabled = ReadSetting();
    return enabled;
}

}  // namespace tarvinex
