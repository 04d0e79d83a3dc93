#include "db2sim/config/configparams.h"

#include <cstdint>

namespace db2sim {
namespace {

constexpr CfgScope M = CfgScope::kManager;
constexpr CfgScope D = CfgScope::kDatabase;
constexpr CfgType kStr = CfgType::kString;
constexpr CfgType kU16 = CfgType::kUint16;
constexpr CfgType kS16 = CfgType::kSint16;
constexpr CfgType kU32 = CfgType::kUint32;
constexpr CfgType kS32 = CfgType::kSint32;
constexpr CfgType kU64 = CfgType::kUint64;

constexpr bool RO = true;    // read-only
constexpr bool RW = false;   // updatable
constexpr bool AUTO = true;  // may be AUTOMATIC
constexpr bool FIXED = false;

constexpr long long kMaxU16 = UINT16_MAX;
constexpr long long kMaxU32 = UINT32_MAX;

// A 0/1 switch.
ConfigParam onOff(CfgScope scope, unsigned token, const char* name, const char* value) {
    return {scope, token, name, kU16, 0, value, 0, 1, RW, FIXED, false};
}

// A 16-bit value DB2 reports but does not let anyone update.
ConfigParam shown(CfgScope scope, unsigned token, const char* name, const char* value) {
    return {scope, token, name, kU16, 0, value, 0, kMaxU16, RO, FIXED, false};
}

// A string of at most `length` characters.
ConfigParam text(CfgScope scope, unsigned token, const char* name, unsigned length,
                 const char* value, bool readOnly) {
    return {scope, token, name, kStr, length, value, 0, 0, readOnly, FIXED, false};
}

// scope, token, name, type, length, default, min, max, read-only, may be automatic, automatic.
const std::vector<ConfigParam> kParams = {
    // Database manager.
    {M, 1, "rqrioblk", kU16, 0, "32767", 4096, 65535, RW, FIXED, false},
    {M, 6, "numdb", kU16, 0, "8", 1, 256, RW, FIXED, false},
    {M, 12, "maxagents", kU32, 0, "200", 1, 64000, RW, FIXED, false},
    {M, 13, "maxcagents", kS32, 0, "-1", -1, 64000, RW, FIXED, false},
    {M, 15, "aslheapsz", kU32, 0, "15", 1, 524288, RW, FIXED, false},
    {M, 21, "sheapthres", kU32, 0, "0", 0, 2097152, RW, FIXED, false},
    text(M, 24, "svcename", 14, "", RW),
    text(M, 27, "dftdbpath", 215, "/home/db2inst1", RW),
    {M, 29, "dft_monswitches", kU16, 0, "64", 0, 127, RW, FIXED, false},
    onOff(M, 30, "dft_mon_uow", "0"),
    onOff(M, 31, "dft_mon_stmt", "0"),
    onOff(M, 32, "dft_mon_table", "0"),
    onOff(M, 33, "dft_mon_bufpool", "0"),
    onOff(M, 34, "dft_mon_lock", "0"),
    onOff(M, 35, "dft_mon_sort", "0"),
    onOff(M, 36, "dft_mon_timestamp", "1"),
    text(M, 844, "sysadm_group", 128, "", RW),
    text(M, 39, "sysadm_group", 16, "", RW),
    text(M, 845, "sysmaint_group", 128, "", RW),
    text(M, 62, "sysmaint_group", 16, "", RW),
    text(M, 846, "sysctrl_group", 128, "", RW),
    text(M, 63, "sysctrl_group", 16, "", RW),
    text(M, 847, "sysmon_group", 128, "", RW),
    onOff(M, 40, "dir_cache", "1"),
    {M, 49, "query_heap_sz", kS32, 0, "1000", 2, 524288, RW, FIXED, false},
    {M, 61, "agent_stack_sz", kU16, 0, "1024", 8, 32768, RW, FIXED, false},
    {M, 64, "diaglevel", kU16, 0, "3", 0, 4, RW, FIXED, false},
    text(M, 65, "diagpath", 215, "", RW),
    {M, 78, "authentication", kU16, 0, "0", 0, 255, RW, FIXED, false},
    {M, 79, "mon_heap_sz", kU16, 0, "90", 0, 60000, RW, AUTO, true},
    onOff(M, 81, "keepfenced", "1"),
    shown(M, 100, "nodetype", "1"),
    shown(M, 101, "release", "2816"),
    {M, 306, "intra_parallel", kS16, 0, "0", -1, 1, RW, FIXED, false},
    {M, 310, "java_heap_sz", kS32, 0, "2048", 0, 524288, RW, FIXED, false},
    {M, 501, "max_coordagents", kS32, 0, "200", -1, 64000, RW, AUTO, true},
    {M, 502, "num_poolagents", kS32, 0, "100", -1, 64000, RW, AUTO, true},
    {M, 604, "federated", kS16, 0, "0", 0, 1, RW, FIXED, false},
    {M, 803, "instance_memory", kU64, 0, "0", 0, kMaxU32, RW, AUTO, true},
    onOff(M, 804, "health_mon", "1"),

    // Database.
    {D, 704, "locklist", kU64, 0, "4096", 4, 524288, RW, AUTO, true},
    {D, 1, "locklist", kU16, 0, "4096", 4, 60000, RW, AUTO, true},
    {D, 6, "maxappls", kU16, 0, "40", 1, 60000, RW, AUTO, true},
    {D, 9, "dlchktime", kU32, 0, "10000", 1000, 600000, RW, FIXED, false},
    {D, 15, "maxlocks", kU16, 0, "10", 1, 100, RW, AUTO, true},
    {D, 16, "logprimary", kU16, 0, "3", 2, 256, RW, FIXED, false},
    {D, 17, "logsecond", kU16, 0, "2", 0, 254, RW, FIXED, false},
    text(D, 20, "newlogpath", 242, "", RW),
    {D, 23, "logretain", kU16, 0, "0", 0, 2, RW, FIXED, false},
    onOff(D, 24, "userexit", "0"),
    {D, 33, "logbufsz", kU16, 0, "8", 4, 4096, RW, FIXED, false},
    {D, 34, "locktimeout", kS16, 0, "-1", -1, 30000, RW, FIXED, false},
    {D, 37, "num_iocleaners", kU16, 0, "1", 0, 255, RW, AUTO, true},
    {D, 39, "num_ioservers", kU16, 0, "3", 1, 255, RW, AUTO, true},
    {D, 51, "applheapsz", kU16, 0, "256", 16, 60000, RW, AUTO, true},
    {D, 52, "sortheap", kU32, 0, "256", 16, 524288, RW, AUTO, false},
    {D, 91, "sortheap", kU16, 0, "256", 16, 60000, RW, AUTO, false},
    {D, 821, "stmtheap", kU32, 0, "2048", 128, 524288, RW, AUTO, false},
    {D, 53, "stmtheap", kU16, 0, "2048", 128, 60000, RW, AUTO, false},
    {D, 55, "util_heap_sz", kU32, 0, "5000", 16, 524288, RW, FIXED, false},
    {D, 56, "catalogcache_sz", kS32, 0, "-1", -1, 524288, RW, FIXED, false},
    {D, 57, "dft_queryopt", kS32, 0, "5", 0, 9, RW, FIXED, false},
    {D, 58, "dbheap", kU64, 0, "1200", 32, 524288, RW, AUTO, true},
    {D, 50, "dbheap", kU16, 0, "1200", 32, 60000, RW, AUTO, true},
    {D, 92, "logfilsiz", kU32, 0, "1000", 4, 524286, RW, FIXED, false},
    {D, 18, "logfilsiz", kU16, 0, "1000", 4, 65535, RW, FIXED, false},
    shown(D, 101, "codepage", "1208"),
    shown(D, 102, "release", "3072"),
    text(D, 103, "logpath", 242, "/home/db2inst1/db2inst1/NODE0000/SQLOGDIR/", RO),
    {D, 112, "backup_pending", kU16, 0, "0", 0, 1, RO, FIXED, false},
    {D, 113, "rollfwd_pending", kU16, 0, "0", 0, 2, RO, FIXED, false},
    {D, 114, "log_retain_status", kU16, 0, "0", 0, 1, RO, FIXED, false},
    {D, 115, "user_exit_status", kU16, 0, "0", 0, 1, RO, FIXED, false},
    text(D, 120, "codeset", 17, "UTF-8", RO),
    text(D, 121, "territory", 33, "US", RO),
    shown(D, 124, "database_level", "3072"),
    {D, 505, "pckcachesz", kU32, 0, "320", 32, 524288, RW, AUTO, true},
    {D, 31, "pckcachesz", kU16, 0, "320", 32, 60000, RW, AUTO, true},
    onOff(D, 703, "trackmod", "0"),
    {D, 803, "database_memory", kU64, 0, "0", 0, kMaxU32, RW, AUTO, true},
    text(D, 822, "logarchmeth1", 252, "OFF", RW),
    text(D, 823, "logarchmeth2", 252, "OFF", RW),
    onOff(D, 831, "auto_maint", "1"),
    onOff(D, 833, "auto_db_backup", "0"),
    onOff(D, 835, "auto_tbl_maint", "1"),
    onOff(D, 837, "auto_runstats", "1"),
    onOff(D, 841, "auto_reorg", "0"),
    {D, 848, "self_tuning_mem", kU32, 0, "1", 0, 1, RW, FIXED, false},
};

}  // namespace

const ConfigParam* ConfigParams::find(CfgScope scope, unsigned token) {
    for (const ConfigParam& param : kParams) {
        if (param.scope == scope && param.token == token) {
            return &param;
        }
    }
    return nullptr;
}

const ConfigParam* ConfigParams::findByName(CfgScope scope, const std::string& name) {
    for (const ConfigParam& param : kParams) {
        if (param.scope == scope && name == param.name) {
            return &param;
        }
    }
    return nullptr;
}

const std::vector<ConfigParam>& ConfigParams::all() {
    return kParams;
}

size_t ConfigParams::width(const ConfigParam& param) {
    switch (param.type) {
        case CfgType::kString:
            return param.length + 1;
        case CfgType::kUint16:
        case CfgType::kSint16:
            return 2;
        case CfgType::kUint32:
        case CfgType::kSint32:
            return 4;
        case CfgType::kUint64:
            return 8;
    }
    return 0;
}

}  // namespace db2sim
