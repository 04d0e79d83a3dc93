#include "db2sim/core/entrypoints.h"

#include <algorithm>
#include <iterator>

namespace db2sim {
namespace {

#define DB2SIM_NAME(name) #name,
const char* const kNames[] = {DB2SIM_PLAIN_ENTRY_POINTS(DB2SIM_NAME)
                                  DB2_VERSIONED_ENTRY_POINTS(DB2SIM_NAME)};
#undef DB2SIM_NAME

}  // namespace

bool isEntryPoint(const std::string& name) {
    return std::any_of(std::begin(kNames), std::end(kNames),
                       [&](const char* known) { return name == known; });
}

}  // namespace db2sim
