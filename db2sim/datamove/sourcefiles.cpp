#include "db2sim/datamove/sourcefiles.h"

#include <fstream>
#include <sstream>

namespace db2sim {
namespace {

constexpr size_t kMaxLocations = 32767;

}  // namespace

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

}  // namespace db2sim
