// Layout pins for the DB2 structure declarations: each structure's size and field offsets are
// checked at compile time, for LP64 and ILP32 alike, beside the structure they pin. A pin that
// differs between the two data models names both numbers.
#pragma once

#include <cstddef>
#include <cstdint>

#if UINTPTR_MAX == 0xFFFFFFFF
#define DB2_PIN_MODEL(ilp32, lp64) (ilp32)
#else
#define DB2_PIN_MODEL(ilp32, lp64) (lp64)
#endif

#define DB2_PIN_SIZE(type, size) static_assert(sizeof(type) == (size), #type " size")
#define DB2_PIN_OFFSET(type, field, off) \
    static_assert(offsetof(type, field) == (off), #type "." #field " offset")
// Size and offset that follow the data model: ILP32 first, then LP64.
#define DB2_PIN_SIZE_BY_MODEL(type, ilp32, lp64) DB2_PIN_SIZE(type, DB2_PIN_MODEL(ilp32, lp64))
#define DB2_PIN_OFFSET_BY_MODEL(type, field, ilp32, lp64) \
    DB2_PIN_OFFSET(type, field, DB2_PIN_MODEL(ilp32, lp64))
