#include "db2sim/recovery/historyfile.h"

#include <cctype>
#include <sstream>

#include "db2sim/directory/directoriesfields.h"

namespace db2sim {
namespace {

// Fields before the table space names.
enum Field {
    kEid,
    kSequence,
    kOperation,
    kObject,
    kOptype,
    kStatus,
    kDevice,
    kTimestamp,
    kEndTime,
    kFirstLog,
    kLastLog,
    kBackupId,
    kQualifier,
    kTableName,
    kLocation,
    kComment,
    kCommandText,
    kSqlcode,
    kFixedFields
};

bool digitsOnly(const std::string& text) {
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

// A decimal number of at most ten digits and at most `highest`.
bool readNumber(const std::string& text, unsigned long long highest, unsigned long long& value) {
    if (text.empty() || text.size() > 10 || !digitsOnly(text)) {
        return false;
    }
    value = std::stoull(text);
    return value <= highest;
}

bool readSigned(const std::string& text, std::int32_t& value) {
    bool negative = !text.empty() && text[0] == '-';
    unsigned long long magnitude = 0;
    if (!readNumber(negative ? text.substr(1) : text, 2147483647ULL, magnitude)) {
        return false;
    }
    value = static_cast<std::int32_t>(negative ? -static_cast<long long>(magnitude) : magnitude);
    return true;
}

bool readCode(const std::string& text, char& code) {
    if (text.size() != 1) {
        return false;
    }
    code = text[0];
    return true;
}

bool readText(const std::string& text, size_t width, std::string& out) {
    if (text.size() > width) {
        return false;
    }
    out = text;
    return true;
}

// Empty, or 14 digits.
bool readTime(const std::string& text, std::string& out) {
    return (text.empty() || (text.size() == historywidth::kTime && digitsOnly(text))) &&
           readText(text, historywidth::kTime, out);
}

std::string codeText(char code) {
    return std::string(1, code);
}

std::vector<std::string> fieldsOf(const HistoryEntry& entry) {
    std::vector<std::string> fields = {std::to_string(entry.eid),
                                       std::to_string(entry.sequence),
                                       codeText(entry.operation),
                                       codeText(entry.object),
                                       codeText(entry.optype),
                                       codeText(entry.status),
                                       codeText(entry.deviceType),
                                       entry.timestamp,
                                       entry.endTime,
                                       entry.firstLog,
                                       entry.lastLog,
                                       entry.backupId,
                                       entry.tableQualifier,
                                       entry.tableName,
                                       entry.location,
                                       entry.comment,
                                       entry.commandText,
                                       std::to_string(entry.sqlcode)};
    fields.insert(fields.end(), entry.tablespaces.begin(), entry.tablespaces.end());
    return fields;
}

bool readCodes(const std::vector<std::string>& f, HistoryEntry& entry) {
    return readCode(f[kOperation], entry.operation) && readCode(f[kObject], entry.object) &&
           readCode(f[kOptype], entry.optype) && readCode(f[kStatus], entry.status) &&
           readCode(f[kDevice], entry.deviceType);
}

bool readTexts(const std::vector<std::string>& f, HistoryEntry& entry) {
    using namespace historywidth;
    return readTime(f[kTimestamp], entry.timestamp) && readTime(f[kEndTime], entry.endTime) &&
           readText(f[kFirstLog], kLog, entry.firstLog) &&
           readText(f[kLastLog], kLog, entry.lastLog) &&
           readText(f[kBackupId], kId, entry.backupId) &&
           readText(f[kQualifier], kQualifier, entry.tableQualifier) &&
           readText(f[kTableName], kTableName, entry.tableName) &&
           readText(f[kLocation], kLocation, entry.location) &&
           readText(f[kComment], kComment, entry.comment) &&
           readText(f[kCommandText], kCommandText, entry.commandText);
}

bool readTablespaces(const std::vector<std::string>& f, HistoryEntry& entry) {
    if (f.size() - kFixedFields > historywidth::kMaxTablespaces) {
        return false;
    }
    for (size_t i = kFixedFields; i < f.size(); ++i) {
        std::string name;
        if (f[i].empty() || !readText(f[i], historywidth::kTablespaceName, name)) {
            return false;
        }
        entry.tablespaces.push_back(std::move(name));
    }
    return true;
}

bool readEntry(const std::string& line, HistoryEntry& entry) {
    std::vector<std::string> f = splitRecord(line);
    if (f.size() < kFixedFields) {
        return false;
    }
    unsigned long long eid = 0;
    unsigned long long sequence = 0;
    if (!readNumber(f[kEid], 0xFFFFFFFFULL, eid) || eid == 0 ||
        !readNumber(f[kSequence], 999, sequence) || sequence == 0 || !readCodes(f, entry) ||
        !readTexts(f, entry) || !readSigned(f[kSqlcode], entry.sqlcode) ||
        !readTablespaces(f, entry)) {
        return false;
    }
    entry.eid = static_cast<std::uint32_t>(eid);
    entry.sequence = static_cast<unsigned>(sequence);
    return true;
}

bool readHeader(const std::string& line, HistoryContent& content) {
    std::vector<std::string> f = splitRecord(line);
    const std::string next = "next=";
    unsigned long long value = 0;
    if (f.size() != 2 || f[0] != HistoryFile::kFormat || f[1].compare(0, next.size(), next) != 0 ||
        !readNumber(f[1].substr(next.size()), 0xFFFFFFFFULL, value) || value == 0) {
        return false;
    }
    content.nextEid = static_cast<std::uint32_t>(value);
    return true;
}

}  // namespace

std::string HistoryFile::format(const HistoryContent& content) {
    std::string text = joinRecord({kFormat, "next=" + std::to_string(content.nextEid)}) + "\n";
    for (const HistoryEntry& entry : content.entries) {
        text += joinRecord(fieldsOf(entry)) + "\n";
    }
    return text;
}

bool HistoryFile::parse(const std::string& text, HistoryContent& content) {
    content = HistoryContent();
    if (text.empty()) {
        return true;
    }
    std::istringstream in(text);
    std::string line;
    HistoryContent read;
    if (!std::getline(in, line) || !readHeader(line, read)) {
        return false;
    }
    while (std::getline(in, line)) {
        HistoryEntry entry;
        // Ids only grow, so a file whose ids do not is not one this store wrote.
        if (!readEntry(line, entry) || entry.eid >= read.nextEid ||
            (!read.entries.empty() && entry.eid <= read.entries.back().eid)) {
            return false;
        }
        read.entries.push_back(std::move(entry));
    }
    content = std::move(read);
    return true;
}

}  // namespace db2sim
