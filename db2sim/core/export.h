// Export helpers of the stand-in client. Sources are built with hidden visibility; only what is
// marked here leaves libdb2.so.
#pragma once

#include <type_traits>

#include "db2api/db2entrypoints.h"

#define DB2SIM_EXPORT extern "C" __attribute__((visibility("default")))
#define DB2SIM_HIDDEN extern "C" __attribute__((visibility("hidden")))

// Pins an export to the function type the library casts its dlsym result to.
#define DB2SIM_CHECK_TYPE(name)                                    \
    static_assert(std::is_same_v<decltype(::name), db2::fn::name>, \
                  #name " does not match the library's function type")

#define DB2SIM_CHECK_VERSIONED(name)                                    \
    static_assert(std::is_same_v<decltype(::name), db2::fn::Versioned>, \
                  #name " does not match the versioned function type");
