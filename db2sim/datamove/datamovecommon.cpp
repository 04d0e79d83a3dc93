#include "db2sim/datamove/datamovecommon.h"

#include <cctype>
#include <cstring>

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

constexpr size_t kMaxPaths = 32767;

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

bool applyModifiers(const sqlchar* modifiers, DelFormat& format, UtilityRefusal& refusal) {
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

bool versionAccepted(db2Uint32 version, const void* parms, UtilityRefusal& refusal) {
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

std::vector<std::string> localPaths(const sqlu_media_list* list) {
    std::vector<std::string> paths;
    if (list == nullptr || list->media_type != SQLU_LOCAL_MEDIA || list->target.media == nullptr) {
        return paths;
    }
    for (sqlint32 i = 0; i < list->sessions && static_cast<size_t>(i) < kMaxPaths; ++i) {
        const char* entry = list->target.media[i].media_entry;
        paths.emplace_back(entry, strnlen(entry, SQLU_DB_DIR_LEN + 1));
        while (paths.back().size() > 1 && paths.back().back() == '/') {
            paths.back().pop_back();
        }
    }
    return paths;
}

int finishUtility(ApiCall& call, MessageFile& messages, const UtilityRefusal& refusal) {
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
