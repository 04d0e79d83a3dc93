// Platform typedefs shared by the whole library.
#pragma once

typedef char TCHAR;
