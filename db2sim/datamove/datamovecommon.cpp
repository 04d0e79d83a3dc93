#include "db2sim/datamove/datamovecommon.h"

#include <cctype>
#include <cstring>
#include <fstream>
#include <sstream>

#include "db2sim/core/apicall.h"
#include "db2sim/core/instance.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/datamove/datamovecodes.h"
#include "db2sim/datamove/datamovejournal.h"
#include "db2sim/datamove/messagefile.h"

namespace db2sim {
namespace {

std::string upper(const char* text) {
    std::string out = text == nullptr ? "" : text;
    for (char& c : out) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return out;
}

constexpr size_t kMaxLocations = 32767;

}  // namespace

bool callerDatabase(ApiCall& call, std::string& database, std::string& authid) {
    void* ctx = call.instance().contexts().current();
    auto connection =
        ctx == nullptr ? std::nullopt : Manager::get().connections().connectionOf(ctx);
    if (!connection) {
        return false;
    }
    database = connection->database;
    authid = connection->authid;
    return true;
}

FileType fileTypeOf(const char* type) {
    std::string name = upper(type);
    return name == "DEL"      ? FileType::kDel
           : name == "ASC"    ? FileType::kAsc
           : name == "CURSOR" ? FileType::kCursor
                              : FileType::kOther;
}

bool readWholeFile(const std::string& path, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    content = text.str();
    return !in.bad();
}

bool countedText(const sqlchar* value, std::string& text) {
    text.clear();
    if (value == nullptr) {
        return true;
    }
    if (value->length < 0) {
        return false;
    }
    text.assign(value->data, static_cast<size_t>(value->length));
    return true;
}

bool applyModifiers(const sqlchar* modifiers, DelFormat& format, Refusal& refusal) {
    std::string text;
    std::string bad;
    if (!countedText(modifiers, text)) {
        refusal = {code::kInvalidParameter, {"piFileTypeMod"}};
        return false;
    }
    if (!format.setModifiers(text, bad)) {
        refusal = {code::kModifierInvalid, {bad}};
        return false;
    }
    return true;
}

bool versionAccepted(db2Uint32 version, const void* parms, Refusal& refusal) {
    if (version < db2Version810) {
        refusal = {code::kInvalidParameter, {"versionNumber"}};
        return false;
    }
    if (parms == nullptr) {
        refusal = {code::kInvalidParameter, {"pParmStruct"}};
        return false;
    }
    return true;
}

std::vector<SourceRecord> delRecords(const DelFormat& format, const std::string& text) {
    std::vector<SourceRecord> records;
    for (const DelRecord& record : format.read(text)) {
        SourceRecord fields;
        for (const DelField& field : record.fields) {
            bool null = !field.delimited && field.text.empty();
            fields.push_back(null ? std::nullopt : std::optional<std::string>(field.text));
        }
        records.push_back(std::move(fields));
    }
    return records;
}

std::vector<SourceRecord> ascRecords(const std::string& text, const std::vector<sqllocpair>& pairs,
                                     const std::vector<db2int32>& nullIndicators) {
    std::vector<SourceRecord> records;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        SourceRecord fields;
        for (size_t i = 0; i < pairs.size(); ++i) {
            size_t begin = static_cast<size_t>(pairs[i].begin_loc);
            size_t end = static_cast<size_t>(pairs[i].end_loc);
            size_t indicator = static_cast<size_t>(nullIndicators[i]);
            bool flagged = indicator > 0 && indicator <= line.size() && line[indicator - 1] == 'Y';
            std::string value = begin == 0 || begin > line.size()
                                    ? std::string()
                                    : line.substr(begin - 1, end - begin + 1);
            bool blank = value.find_first_not_of(' ') == std::string::npos;
            fields.push_back(flagged || blank ? std::nullopt : std::optional<std::string>(value));
        }
        records.push_back(std::move(fields));
    }
    return records;
}

bool locations(const sqldcol* descriptor, std::vector<sqllocpair>& pairs) {
    pairs.clear();
    if (descriptor == nullptr || descriptor->dcolmeth != SQL_METH_L || descriptor->dcolnum <= 0 ||
        static_cast<size_t>(descriptor->dcolnum) > kMaxLocations) {
        return false;
    }
    const auto* table = reinterpret_cast<const sqlloctab*>(descriptor->dcolname[0].dcolnptr);
    if (table == nullptr) {
        return false;
    }
    for (int i = 0; i < descriptor->dcolnum; ++i) {
        sqllocpair pair = table->locpair[i];
        bool empty = pair.begin_loc == 0 && pair.end_loc == 0;
        if (!empty && (pair.begin_loc < 1 || pair.end_loc < pair.begin_loc)) {
            return false;
        }
        pairs.push_back(pair);
    }
    return true;
}

std::vector<db2int32> indicators(const db2int32* nullIndicators, size_t count) {
    std::vector<db2int32> out(count, 0);
    for (size_t i = 0; nullIndicators != nullptr && i < count; ++i) {
        out[i] = nullIndicators[i] < 0 ? 0 : nullIndicators[i];
    }
    return out;
}

bool readLob(const std::vector<std::string>& paths, const std::string& specifier,
             std::optional<std::string>& value) {
    std::string text = specifier;
    if (text.empty() || text.back() != '/') {
        return false;
    }
    text.pop_back();
    size_t lengthDot = text.rfind('.');
    size_t offsetDot = lengthDot == std::string::npos || lengthDot == 0
                           ? std::string::npos
                           : text.rfind('.', lengthDot - 1);
    if (offsetDot == std::string::npos || offsetDot == 0) {
        return false;
    }
    std::string name = text.substr(0, offsetDot);
    std::string offset = text.substr(offsetDot + 1, lengthDot - offsetDot - 1);
    std::string length = text.substr(lengthDot + 1);
    if (length == "-1") {
        value = std::nullopt;
        return true;
    }
    auto digits = [](const std::string& s) {
        return !s.empty() && s.size() < 12 &&
               s.find_first_not_of("0123456789") == std::string::npos;
    };
    if (!digits(offset) || !digits(length) || name.find('/') != std::string::npos) {
        return false;
    }
    size_t from = std::stoull(offset);
    size_t size = std::stoull(length);
    for (const std::string& path : paths) {
        std::string content;
        if (readWholeFile(path + "/" + name, content)) {
            if (from > content.size() || size > content.size() - from) {
                return false;
            }
            value = content.substr(from, size);
            return true;
        }
    }
    return false;
}

std::vector<std::string> localPaths(const sqlu_media_list* list) {
    std::vector<std::string> paths;
    if (list == nullptr || list->media_type != SQLU_LOCAL_MEDIA || list->target.media == nullptr) {
        return paths;
    }
    for (sqlint32 i = 0; i < list->sessions && static_cast<size_t>(i) < kMaxLocations; ++i) {
        const char* entry = list->target.media[i].media_entry;
        paths.emplace_back(entry, strnlen(entry, SQLU_DB_DIR_LEN + 1));
        while (paths.back().size() > 1 && paths.back().back() == '/') {
            paths.back().pop_back();
        }
    }
    return paths;
}

int finishUtility(ApiCall& call, MessageFile& messages, const Refusal& refusal) {
    if (refusal.sqlcode < 0) {
        messages.add(refusal.sqlcode, 'N', refusal.tokens);
    }
    messages.write();
    if (refusal.sqlcode < 0) {
        return call.fail(refusal.sqlcode, refusal.tokens);
    }
    if (messages.hasWarnings()) {
        return call.fail(code::kUtilityWarnings, {});
    }
    return call.succeed();
}

}  // namespace db2sim
