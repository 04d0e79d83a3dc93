// The configuration advisor: db2AutoConfig and db2AutoConfigFreeMemory.
#pragma once

#include <cstddef>

#include "db2api/db2types.h"
#include "db2api/structs/config.h"
#include "db2api/structs/fieldwidths.h"
#include "db2api/structs/pins.h"

constexpr std::size_t DB2_SG_PROD_VERSION_SIZE = 16;

struct db2AutoConfigElement {
    db2int32 token;  // DB2_SG_* on input; a configuration or diagnostic token on output
    db2int32 value;
};
DB2_PIN_SIZE(db2AutoConfigElement, 8);

struct db2AutoConfigArray {
    db2Uint32 numElements;
    db2AutoConfigElement* pElements;
};
DB2_PIN_SIZE_BY_MODEL(db2AutoConfigArray, 8, 16);

using db2AutoConfigInput = db2AutoConfigArray;
using db2AutoConfigDiags = db2AutoConfigArray;

struct db2AutoConfigNameElement {
    char* pName;     // buffer pool name
    db2int32 value;  // size in pages
};
DB2_PIN_SIZE_BY_MODEL(db2AutoConfigNameElement, 8, 16);

struct db2AutoConfigNameArray {
    db2Uint32 numElements;
    db2AutoConfigNameElement* pElements;
};

using db2BpValues = db2AutoConfigNameArray;

// One set of recommended or current values; pDataArea holds the values pConfigs points into.
// Declared as db2CfgParam items, which they are from db2Version900 on; a call that named
// db2Version810 gets sqlfupd items instead, and the reader must view them as such.
struct db2ConfigValues {
    db2Uint32 numElements;
    db2CfgParam* pConfigs;
    void* pDataArea;
};
DB2_PIN_SIZE_BY_MODEL(db2ConfigValues, 12, 24);

// Filled by the client; released only through db2AutoConfigFreeMemory.
struct db2AutoConfigOutput {
    db2ConfigValues oOldDbValues;
    db2ConfigValues oOldDbmValues;
    db2ConfigValues oNewDbValues;
    db2ConfigValues oNewDbmValues;
    db2AutoConfigDiags oDiagnostics;
    db2BpValues oOldBpValues;
    db2BpValues oNewBpValues;
};
DB2_PIN_SIZE_BY_MODEL(db2AutoConfigOutput, 72, 144);
DB2_PIN_OFFSET_BY_MODEL(db2AutoConfigOutput, oDiagnostics, 48, 96);
DB2_PIN_OFFSET_BY_MODEL(db2AutoConfigOutput, oNewBpValues, 64, 128);

struct db2AutoConfigInterface {
    db2int32 iProductID;  // DB2_SG_PID_DEFAULT
    char iProductVersion[DB2_SG_PROD_VERSION_SIZE + 1];
    char iDbAlias[SQL_ALIAS_SZ + 1];
    db2int32 iApply;  // DB2_SG_*APPLY*
    db2AutoConfigInput iParams;
    db2AutoConfigOutput oResult;
};
DB2_PIN_OFFSET(db2AutoConfigInterface, iProductVersion, 4);
DB2_PIN_OFFSET(db2AutoConfigInterface, iDbAlias, 21);
DB2_PIN_OFFSET(db2AutoConfigInterface, iApply, 32);
DB2_PIN_SIZE_BY_MODEL(db2AutoConfigInterface, 116, 200);
DB2_PIN_OFFSET_BY_MODEL(db2AutoConfigInterface, iParams, 36, 40);
DB2_PIN_OFFSET_BY_MODEL(db2AutoConfigInterface, oResult, 44, 56);

// iProductID.
constexpr db2int32 DB2_SG_PID_DEFAULT = 0;

// iApply.
constexpr db2int32 DB2_SG_NOT_APPLY = 0;
constexpr db2int32 DB2_SG_APPLY = 1;
constexpr db2int32 DB2_SG_APPLY_DB = 2;
constexpr db2int32 DB2_SG_APPLY_DBM = 4;

// Input tokens (db2AutoConfigElement.token in iParams).
constexpr db2int32 DB2_SG_MEMORY_PERCENTAGE = 1;
constexpr db2int32 DB2_SG_DB_TYPE = 2;
constexpr db2int32 DB2_SG_NUM_STATEMENTS = 3;
constexpr db2int32 DB2_SG_TRANS_PER_MIN = 4;
constexpr db2int32 DB2_SG_ADMIN_PRIORITY = 5;
constexpr db2int32 DB2_SG_IS_POPULATED = 6;
constexpr db2int32 DB2_SG_NUM_LOCAL_APPS = 7;
constexpr db2int32 DB2_SG_NUM_REMOTE_APPS = 8;
constexpr db2int32 DB2_SG_ISOLATION = 9;
constexpr db2int32 DB2_SG_BP_RESIZEABLE = 10;
