// Text arguments that DB2 takes as "null when not given".
#pragma once

#include "base/stdafx.h"

// The text's buffer, or a null pointer when it is empty. The pointer lives as long as `text`.
inline char* textOrNull(t_string& text) {
    return text.empty() ? nullptr : text.data();
}
