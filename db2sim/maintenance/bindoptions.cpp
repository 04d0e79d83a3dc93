#include "db2sim/maintenance/bindoptions.h"

#include <cstring>

namespace db2sim {
namespace {

const sqluint32 kTextTypes[] = {
    SQL_GRANT_OPT,          SQL_GRANT_USER_OPT, SQL_GRANT_GROUP_OPT, SQL_GENERIC_OPT,
    SQL_BIND_OPT,           SQL_PKG_OPT,        SQL_LEVEL_OPT,       SQL_COLLECTION_OPT,
    SQL_VERSION_OPT,        SQL_OWNER_OPT,      SQL_SCHEMA_OPT,      SQL_REPLVER_OPT,
    SQL_FUNCTION_PATH,      SQL_TARGET_OPT,     SQL_PREP_OUTPUT_OPT, SQL_PREPROCESSOR_OPT,
    SQL_TRANSFORMGROUP_OPT,
};
constexpr std::size_t kShownText = 64;

const sqloptions& pairAt(const sqlopt* block, sqluint32 i) {
    // Pairs past the first lie beyond the declared array; address them within the block.
    const auto* first = reinterpret_cast<const unsigned char*>(block) + offsetof(sqlopt, option);
    return *reinterpret_cast<const sqloptions*>(first + i * sizeof(sqloptions));
}

std::string quoted(const std::string& text) {
    std::string shown = text.substr(0, kShownText);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == '"') {
            c = '?';
        }
    }
    return "\"" + shown + (text.size() > kShownText ? "...\"" : "\"");
}

}  // namespace

bool BindOptions::isText(sqluint32 type) {
    for (sqluint32 text : kTextTypes) {
        if (text == type) {
            return true;
        }
    }
    return false;
}

bool BindOptions::pairs(const sqlopt* block, std::vector<sqloptions>& out) {
    out.clear();
    if (block == nullptr || block->header.used > block->header.allocated ||
        block->header.allocated > kMaxPairs) {
        return false;
    }
    for (sqluint32 i = 0; i < block->header.used; ++i) {
        out.push_back(pairAt(block, i));
    }
    return true;
}

bool BindOptions::textAt(sqluintptr address, std::string& out) {
    if (address == 0) {
        return false;
    }
    const auto* bytes = reinterpret_cast<const char*>(address);
    sqluint16 length = 0;
    std::memcpy(&length, bytes, sizeof(length));
    out.assign(bytes + sizeof(length), length);
    return true;
}

bool BindOptions::read(const sqlopt* block, BindOptions& out, std::string& why) {
    out.values_.clear();
    if (block == nullptr) {
        return true;
    }
    const sqloptheader& header = block->header;
    if (header.used > header.allocated || header.allocated > kMaxPairs) {
        why = "used";
        return false;
    }
    for (sqluint32 i = 0; i < header.used; ++i) {
        const sqloptions& pair = pairAt(block, i);
        Value value;
        value.isText = isText(pair.type);
        if (value.isText && !textAt(pair.val, value.text)) {
            out.values_.clear();
            why = "val";
            return false;
        }
        value.number = static_cast<long long>(static_cast<std::intptr_t>(pair.val));
        out.values_[pair.type] = value;  // a later pair of a type wins, as with DB2
    }
    return true;
}

std::string BindOptions::describe(const sqlopt* block) {
    if (block == nullptr) {
        return "null";
    }
    const sqloptheader& header = block->header;
    std::string out = "allocated=" + std::to_string(header.allocated) +
                      " used=" + std::to_string(header.used) + " [";
    if (header.used <= header.allocated && header.allocated <= kMaxPairs) {
        for (sqluint32 i = 0; i < header.used; ++i) {
            const sqloptions& pair = pairAt(block, i);
            std::string text;
            const std::string value = isText(pair.type)
                                          ? (textAt(pair.val, text) ? quoted(text) : "null")
                                          : std::to_string(static_cast<std::intptr_t>(pair.val));
            out += (i == 0 ? "(" : " (") + std::to_string(pair.type) + "," + value + ")";
        }
    }
    return out + "]";
}

std::string BindOptions::text(sqluint32 type) const {
    const auto found = values_.find(type);
    return found == values_.end() || !found->second.isText ? std::string() : found->second.text;
}

long long BindOptions::number(sqluint32 type, long long fallback) const {
    const auto found = values_.find(type);
    return found == values_.end() || found->second.isText ? fallback : found->second.number;
}

}  // namespace db2sim
