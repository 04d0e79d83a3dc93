#include "commands/recovery/historyentry.h"

#include <algorithm>
#include <cstring>

#include "commands/fixedfield.h"

void HistoryEntry::add(db2Char& field, db2Uint32 size) {
    Buffer buffer;
    buffer.bytes.assign(size, '\0');
    buffer.field = &field;
    buffers.push_back(std::move(buffer));
}

void HistoryEntry::prepareAll(db2Uint32 tablespaceCount) {
    buffers.clear();
    header = db2HistoryData{};
    add(header.oObjectPart, DB2HISTORY_OBJPART_SZ);
    add(header.oEndTime, DB2HISTORY_TIMESTAMP_SZ);
    add(header.oFirstLog, DB2HISTORY_LOGFILE_SZ);
    add(header.oLastLog, DB2HISTORY_LOGFILE_SZ);
    add(header.oID, DB2HISTORY_ID_SZ);
    add(header.oTableQualifier, DB2HISTORY_TABLE_QUAL_SZ);
    add(header.oTableName, DB2HISTORY_TABLE_NAME_SZ);
    add(header.oLocation, DB2HISTORY_LOCATION_SZ);
    add(header.oComment, DB2HISTORY_COMMENT_SZ);
    add(header.oCommandText, DB2HISTORY_COMMAND_SZ);
    tablespaces.assign(std::min(tablespaceCount, kMaxTablespaces), db2Char{});
    for (db2Char& name : tablespaces) {
        add(name, DB2HISTORY_TBSPACE_SZ);
    }
}

void HistoryEntry::prepareObjectPart() {
    buffers.clear();
    tablespaces.clear();
    header = db2HistoryData{};
    add(header.oObjectPart, DB2HISTORY_OBJPART_SZ);
}

void HistoryEntry::clearUsed(Buffer& buffer) {
    // Texts are never read past what DB2 reports, so what it reported is all there is to clear.
    const std::size_t used = std::min<std::size_t>(buffer.field->oLength, buffer.bytes.size());
    std::fill_n(buffer.bytes.begin(), used, '\0');
}

db2HistoryData& HistoryEntry::next() {
    // Only the buffers survive from one entry to the next; every output is cleared.
    for (Buffer& buffer : buffers) {
        clearUsed(buffer);
    }
    header = db2HistoryData{};
    for (Buffer& buffer : buffers) {
        *buffer.field = db2Char{};
    }
    for (Buffer& buffer : buffers) {
        buffer.field->pioData = buffer.bytes.data();
        buffer.field->iLength = static_cast<db2Uint32>(buffer.bytes.size());
    }
    std::memcpy(header.ioHistDataID, SQLUHINF_EYECATCHER, sizeof(header.ioHistDataID));
    eventSqlca = sqlca{};
    header.poEventSQLCA = &eventSqlca;
    header.poTablespace = tablespaces.empty() ? nullptr : tablespaces.data();
    header.iNumTablespaces = static_cast<db2Uint32>(tablespaces.size());
    return header;
}

std::string_view HistoryEntry::text(const db2Char& field) {
    if (field.pioData == nullptr) {
        return {};
    }
    return fixedFieldText(field.pioData, std::min(field.oLength, field.iLength));
}

std::string HistoryEntry::tablespaceNames() const {
    const std::size_t count = std::min<std::size_t>(header.oNumTablespaces, tablespaces.size());
    std::string names;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) {
            names += ", ";
        }
        names += text(tablespaces[i]);
    }
    return names;
}

std::string HistoryEntry::lastLsn() const {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (const char byte : header.oLastLSN.lsnChar) {
        const auto value = static_cast<unsigned char>(byte);
        hex += kDigits[value >> 4];
        hex += kDigits[value & 0xF];
    }
    return hex;
}

std::string_view HistoryEntry::flag(const char& c) {
    return c == '\0' ? std::string_view() : std::string_view(&c, 1);
}
