// Common includes and the text type of the whole library.
#pragma once

#include <jni.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/linux_header.h"

typedef std::string t_string;
