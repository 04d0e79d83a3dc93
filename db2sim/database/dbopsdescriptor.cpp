#include "db2sim/database/dbopsdescriptor.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <map>

#include "db2sim/database/dbopscodes.h"

namespace db2sim {
namespace {

constexpr sqlint32 kLowestCollation = -2;  // the system's collation
constexpr sqlint32 kHighestCollation = 10;
constexpr sqlint16 kMaxSegments = 256;
constexpr sqlint32 kDefaultExtent = -1;
constexpr sqlint32 kMinExtent = 2;
constexpr sqlint32 kMaxExtent = 256;

// Code sets the stand-in knows, with their code pages.
const std::map<std::string, int> kCodePages = {
    {"UTF-8", 1208},    {"ISO8859-1", 819}, {"ISO8859-15", 923}, {"ISO8859-2", 912},
    {"IBM-1252", 1252}, {"1252", 1252},     {"IBM-850", 850},    {"IBM-437", 437},
    {"IBM-943", 943},   {"EUCJP", 954},     {"GBK", 1386},       {"IBM-1047", 1047},
};

std::string fixed(const char* field, size_t width) {
    return std::string(field, strnlen(field, width));
}

bool terminated(const char* field, size_t size) {
    return memchr(field, '\0', size) != nullptr;
}

std::string describeContainer(const SQLETSCDESC& c) {
    std::string name = fixed(c.sqlcontr, sizeof(c.sqlcontr));
    return std::string(1, c.sqlctype ? c.sqlctype : '0') + "," + std::to_string(c.sqlcsize) + "," +
           std::to_string(c.sqlclen) + ",'" + name + "'";
}

bool validContainer(char tsType, const SQLETSCDESC& c) {
    bool knownType = c.sqlctype == SQL_TBSC_TYP_PATH || c.sqlctype == SQL_TBSC_TYP_DEV ||
                     c.sqlctype == SQL_TBSC_TYP_FILE;
    size_t length = strnlen(c.sqlcontr, sizeof(c.sqlcontr));
    bool lengthFits = c.sqlclen > 0 && static_cast<size_t>(c.sqlclen) <= length &&
                      static_cast<size_t>(c.sqlclen) < sizeof(c.sqlcontr);
    bool sizeFits = tsType != SQL_TBS_TYP_DMS || c.sqlcsize >= 0;
    return knownType && lengthFits && sizeFits;
}

bool readTablespace(const char* name, const SQLETSDESC* block, CreateRequest& request) {
    if (block == nullptr) {
        request.tablespaces.push_back(TablespaceRequest{name, SQL_TBS_TYP_SMS, {}});
        return true;
    }
    char type = block->sqltstyp;
    bool knownType = type == SQL_TBS_TYP_SMS || type == SQL_TBS_TYP_DMS || type == SQL_TBS_TYP_AUTO;
    if (memcmp(block->sqltsdid, SQLE_DBTSDESC_1, SQL_EYECATCHER_SZ) != 0 || !knownType ||
        block->sqlccnt < 0 || (type == SQL_TBS_TYP_AUTO && block->sqlccnt > 0)) {
        return false;
    }
    TablespaceRequest tablespace{name, type, {}};
    for (sqlint16 i = 0; i < block->sqlccnt; ++i) {
        const SQLETSCDESC& c = block->containr[i];
        if (!validContainer(type, c)) {
            return false;
        }
        tablespace.containers.push_back(
            ContainerRequest{c.sqlctype, c.sqlcsize, std::string(c.sqlcontr, c.sqlclen)});
    }
    request.tablespaces.push_back(std::move(tablespace));
    return true;
}

const char* readDescriptor(const sqledbdesc& desc, CreateRequest& request) {
    if (memcmp(desc.sqldbdid, SQLE_DBDESC_2, SQL_EYECATCHER_SZ) != 0) {
        return code::kReasonEyeCatcher;
    }
    if (desc.sqldbcss < kLowestCollation || desc.sqldbcss > kHighestCollation) {
        return code::kReasonCollation;
    }
    if (!terminated(desc.sqldbcmt, sizeof(desc.sqldbcmt))) {
        return code::kReasonComment;
    }
    bool extentFits = desc.sqltsext == kDefaultExtent ||
                      (desc.sqltsext >= kMinExtent && desc.sqltsext <= kMaxExtent);
    if (desc.sqldbnsg < 0 || desc.sqldbnsg > kMaxSegments || !extentFits) {
        return code::kReasonSizes;
    }
    request.comment = desc.sqldbcmt;
    request.tablespaces.clear();
    if (!readTablespace("SYSCATSPACE", desc.sqlcatts, request) ||
        !readTablespace("USERSPACE1", desc.sqlusrts, request) ||
        !readTablespace("TEMPSPACE1", desc.sqltmpts, request)) {
        return code::kReasonTablespace;
    }
    return nullptr;
}

const char* readTerritory(const sqledbterritoryinfo& info, CreateRequest& request) {
    if (!terminated(info.sqldbcodeset, sizeof(info.sqldbcodeset)) ||
        !terminated(info.sqldblocale, sizeof(info.sqldblocale))) {
        return code::kReasonTerritory;
    }
    if (info.sqldbcodeset[0] != '\0') {
        std::string codeset = info.sqldbcodeset;
        std::string key;
        for (char c : codeset) {
            key += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        }
        auto found = kCodePages.find(key);
        if (found == kCodePages.end()) {
            return code::kReasonTerritory;
        }
        request.codeset = codeset;
        request.codepage = found->second;
    }
    if (info.sqldblocale[0] != '\0') {
        request.territory = info.sqldblocale;
    }
    return nullptr;
}

}  // namespace

std::string describeDescriptor(const sqledbdesc* desc) {
    if (desc == nullptr) {
        return "null";
    }
    bool udcZero = std::all_of(std::begin(desc->sqldbudc), std::end(desc->sqldbudc),
                               [](unsigned char b) { return b == 0; });
    return "sqldbdid='" + fixed(desc->sqldbdid, SQL_EYECATCHER_SZ) +
           "',sqldbccp=" + std::to_string(desc->sqldbccp) +
           ",sqldbcss=" + std::to_string(desc->sqldbcss) +
           ",sqldbudc=" + (udcZero ? "zero" : "set") + ",sqldbcmt='" +
           fixed(desc->sqldbcmt, sizeof(desc->sqldbcmt)) +
           "',sqldbsgp=" + std::to_string(desc->sqldbsgp) +
           ",sqldbnsg=" + std::to_string(desc->sqldbnsg) +
           ",sqltsext=" + std::to_string(desc->sqltsext);
}

std::string describeTablespace(const SQLETSDESC* block) {
    if (block == nullptr) {
        return "null";
    }
    std::string text = "sqltsdid='" + fixed(block->sqltsdid, SQL_EYECATCHER_SZ) +
                       "',sqlextnt=" + std::to_string(block->sqlextnt) +
                       ",sqlprftc=" + std::to_string(block->sqlprftc) +
                       ",sqlpovhd=" + std::to_string(block->sqlpovhd) +
                       ",sqltrfrt=" + std::to_string(block->sqltrfrt) +
                       ",sqltstyp=" + std::string(1, block->sqltstyp ? block->sqltstyp : '0') +
                       ",sqlccnt=" + std::to_string(block->sqlccnt);
    for (sqlint16 i = 0; i < block->sqlccnt; ++i) {
        text += ";[" + describeContainer(block->containr[i]) + "]";
    }
    return text;
}

std::string describeTerritory(const sqledbterritoryinfo* info) {
    if (info == nullptr) {
        return "null";
    }
    return "sqldbcodeset='" + fixed(info->sqldbcodeset, sizeof(info->sqldbcodeset)) +
           "',sqldblocale='" + fixed(info->sqldblocale, sizeof(info->sqldblocale)) + "'";
}

const char* readCreateRequest(const sqledbdesc* desc, const sqledbterritoryinfo* info,
                              CreateRequest& request) {
    request.tablespaces = {{"SYSCATSPACE", SQL_TBS_TYP_SMS, {}},
                           {"USERSPACE1", SQL_TBS_TYP_SMS, {}},
                           {"TEMPSPACE1", SQL_TBS_TYP_SMS, {}}};
    if (desc != nullptr) {
        if (const char* reason = readDescriptor(*desc, request)) {
            return reason;
        }
    }
    return info == nullptr ? nullptr : readTerritory(*info, request);
}

}  // namespace db2sim
