// Configuration parameters: db2CfgGet and db2CfgSet (8.1 on) and the older calls' sqlfupd.
#pragma once

#include "db2api/db2types.h"
#include "db2api/structs/pins.h"

struct db2CfgParam {
    db2Uint32 token;
    char* ptrvalue;  // a buffer of exactly the parameter's width
    db2Uint32 flags;
};
DB2_PIN_OFFSET(db2CfgParam, token, 0);
DB2_PIN_SIZE_BY_MODEL(db2CfgParam, 12, 24);
DB2_PIN_OFFSET_BY_MODEL(db2CfgParam, ptrvalue, 4, 8);
DB2_PIN_OFFSET_BY_MODEL(db2CfgParam, flags, 8, 16);

// The 9.x layout, with dbpartitionnum; read by the client up to the version number passed.
struct db2Cfg {
    db2Uint32 numItems;
    db2CfgParam* paramArray;
    db2Uint32 flags;
    char* dbname;
    SQL_PDB_NODE_TYPE dbpartitionnum;
};
DB2_PIN_OFFSET(db2Cfg, numItems, 0);
DB2_PIN_SIZE_BY_MODEL(db2Cfg, 20, 40);
DB2_PIN_OFFSET_BY_MODEL(db2Cfg, paramArray, 4, 8);
DB2_PIN_OFFSET_BY_MODEL(db2Cfg, flags, 8, 16);
DB2_PIN_OFFSET_BY_MODEL(db2Cfg, dbname, 12, 24);
DB2_PIN_OFFSET_BY_MODEL(db2Cfg, dbpartitionnum, 16, 32);

// One parameter of the older configuration calls (sqlfxsys, sqlfxdb and their update twins).
struct sqlfupd {
    unsigned short token;
    char* ptrvalue;
};
DB2_PIN_OFFSET(sqlfupd, token, 0);
DB2_PIN_SIZE_BY_MODEL(sqlfupd, 8, 16);
DB2_PIN_OFFSET_BY_MODEL(sqlfupd, ptrvalue, 4, 8);

// db2CfgParam.flags.
constexpr db2Uint32 db2CfgParamAutomatic = 1;
constexpr db2Uint32 db2CfgParamComputed = 2;  // 9.1 and later
constexpr db2Uint32 db2CfgParamManual = 16;   // set only

// db2Cfg.flags.
constexpr db2Uint32 db2CfgDatabase = 1;
constexpr db2Uint32 db2CfgDatabaseManager = 2;
constexpr db2Uint32 db2CfgImmediate = 4;
constexpr db2Uint32 db2CfgDelayed = 8;
constexpr db2Uint32 db2CfgGetDefaults = 64;  // get
constexpr db2Uint32 db2CfgReset = 64;        // set
constexpr db2Uint32 db2CfgSingleDbpartition = 512;

// Most parameters one db2CfgGet/db2CfgSet call accepts.
constexpr db2Uint32 db2CfgMaxParam = 64;
