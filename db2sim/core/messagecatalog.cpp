#include "db2sim/core/messagecatalog.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "db2sim/config/configurationcodes.h"
#include "db2sim/database/dbopscodes.h"
#include "db2sim/datamove/datamovecodes.h"
#include "db2sim/directory/directoriescodes.h"
#include "db2sim/core/sqlcodes.h"

namespace db2sim {
namespace {

// Add a row here when an area starts answering with a new sqlcode.
const MessageText kCatalogue[] = {
    {code::kUnsupported, "0A000", "The stand-in client does not support entry point \"&1\" yet."},

    // Application contexts.
    {code::kContextInvalid, "",
     "The application context or a parameter of the context call is not valid."},
    {code::kContextNotAttached, "",
     "The application context is not attached to the calling thread."},
    {code::kThreadHasContext, "",
     "The calling thread is already attached to an application context."},
    {code::kContextInUse, "",
     "The application context is attached to another thread, so it cannot be used or ended."},
    {code::kNoContext, "", "The calling thread has no application context attached."},

    // General.
    {code::kNoMemory, "57011", "Not enough memory is left to process the request."},
    {code::kInvalidParameter, "", "The parameter \"&1\" is not valid."},
    {code::kNotAuthorized, "42501",
     "The user \"&1\" does not hold the authority needed for \"&2\"."},
    {code::kManagerNotStarted, "57019", "The database manager is not running."},
    {code::kManagerActive, "", "The database manager was already running."},
    {code::kDatabaseInUse, "57019", "The database is in use and cannot be used exclusively."},

    // Connections and security.
    {code::kNoConnection, "08003", "No database connection exists."},
    {code::kNoAttachment, "08003", "No instance attachment exists."},
    {code::kBadCredentials, "08004", "The user name or the password given is not correct."},
    {code::kSecurityFailed, "08001", "The security check failed with reason \"&1\" (\"&2\")."},

    // Directories.
    {code::kInvalidDatabaseName, "2E000", "\"&1\" is not a valid database name."},
    {code::kDuplicateAlias, "",
     "The alias \"&1\" is already in the local or the system database directory."},
    {code::kDatabaseNotFound, "42705", "No database has the alias or name \"&1\"."},
    {code::kNoMoreEntries, "", "The directory scan has no more entries."},
    {code::kDuplicateNode, "", "The node \"&1\" is already in the node directory."},
    {code::kNodeNotFound, "", "The node \"&1\" is not in the node directory."},
    {code::kNoNodeDirectory, "", "The node directory does not exist."},
    {code::kNoDatabaseDirectory, "58031", "The database directory does not exist."},
    {code::kNodeDirectoryEmpty, "", "The node directory has no entries."},
    {code::kDatabaseDirectoryEmpty, "", "The system database directory has no entries."},
    {code::kNodeNotCatalogued, "", "The node named in the request is not in the node directory."},
    {code::kNoDcsDirectory, "", "The DCS directory does not exist."},
    {code::kDcsDirectoryEmpty, "", "The DCS directory has no entries."},
    {code::kDcsEntryNotFound, "", "The DCS directory has no entry for that database."},
    {code::kInvalidAlias, "", "\"&1\" is not a valid database alias."},
    {code::kInvalidPath, "", "The database path given is not valid."},
    {code::kInvalidEntryType, "", "The directory entry type given is not valid."},
    {code::kNoNodeForRemote, "", "A remote database entry needs a node name."},
    {code::kInvalidNodeName, "", "\"&1\" is not a valid node name."},
    {code::kCannotUncatalogHome, "",
     "A database of this instance cannot be removed from the database directory."},
    {code::kTooManyScans, "", "Too many directory scans are open."},
    {code::kInvalidScanHandle, "", "The directory scan handle is not valid."},
    {code::kInvalidCountPointer, "", "The pointer to the entry count is not valid."},
    {code::kInvalidHandlePointer, "", "The pointer to the scan handle is not valid."},
    {code::kInvalidBufferPointer, "", "The pointer to the output buffer is not valid."},
    {code::kInvalidDbNamePointer, "", "The pointer to the database name is not valid."},
    {code::kInvalidAliasPointer, "", "The pointer to the database alias is not valid."},
    {code::kInvalidNodePointer, "", "The pointer to the node name is not valid."},
    {code::kInvalidNodeStructPointer, "", "The pointer to the node structure is not valid."},
    {code::kInvalidProtocolPointer, "", "The pointer to the protocol structure is not valid."},
    {code::kInvalidProtocol, "", "The communication protocol given is not valid."},
    {code::kInvalidRemoteName, "", "The remote workstation name is not valid."},
    {code::kInvalidNetworkId, "", "The network ID is not valid."},
    {code::kInvalidPartnerLu, "", "An LU name, mode or transaction program name is not valid."},
    {code::kInvalidComputerName, "", "The computer name is not valid."},
    {code::kInvalidInstanceName, "", "The instance name is not valid."},
    {code::kInvalidSymDestName, "", "The symbolic destination name is not valid."},
    {code::kInvalidSecurityType, "", "The security type is not valid."},
    {code::kInvalidHostName, "", "The host name is not valid."},
    {code::kInvalidServiceName, "", "The service name is not valid."},
    {code::kInvalidFileServer, "", "The file server name is not valid."},
    {code::kInvalidObjectName, "", "The object name is not valid."},
    {code::kCommunicationError, "08001",
     "A communication error was found. Protocol: \"&1\". Interface: \"&2\". Location: "
     "\"&3\". Function: \"&4\". Protocol error codes: \"&5\", \"&6\", \"&7\"."},
    {code::kDcsDirectoryFull, "", "The DCS directory is full."},
    {code::kInvalidDcsEntryPointer, "", "The pointer to the DCS directory entry is not valid."},
    {code::kInvalidLocalDatabase, "", "\"&1\" is not a valid local database name."},
    {code::kDuplicateDcsEntry, "", "The DCS directory already has an entry for \"&1\"."},
    {code::kInvalidLength, "", "A field of the DCS directory entry is too long."},
    {code::kDcsNotCollected, "", "The DCS directory entries have not been collected."},
    {code::kInvalidStructId, "", "The structure ID is not valid."},
    {code::kInvalidArName, "", "The application requester name is not valid."},

    // Configuration.
    {code::kInvalidToken, "", "\"&1\" is not a valid configuration parameter token."},
    {code::kInvalidCfgPointer, "", "The pointer to the configuration parameter list is not valid."},
    {code::kInvalidValuePointer, "",
     "The pointer to the value of configuration parameter \"&1\" is not valid."},
    {code::kCfgValueOutOfRange, "",
     "The value given for configuration parameter \"&1\" is outside its range, \"&2\" to "
     "\"&3\"."},
    {code::kCfgReadOnly, "", "The configuration parameter \"&1\" cannot be changed."},

    // Databases and the instance.
    {code::kAlreadyConnected, "",
     "The application is connected to a database, so it cannot create one."},
    {code::kPathNotFound, "", "The database path \"&1\" does not exist."},
    {code::kBadDescriptor, "",
     "The database description block cannot be used, reason code \"&1\"."},
    {code::kApplicationsActive, "57019",
     "The database manager cannot stop: databases are active or applications connected."},
    {code::kAlreadyCurrent, "", "The database \"&1\" is already at the current release."},
    {code::kAlreadyActivated, "", "The database was activated already; nothing changed."},
    {code::kActivatedConnected, "",
     "The database is activated; applications were connected to it already."},
    {code::kDeactivatedConnected, "",
     "The activation ended, but the database stays up until its connections end."},
    {code::kNotActivated, "", "The database was not activated; nothing changed."},
    {code::kQuiesced, "08004",
     "The user \"&1\" cannot connect while the database or instance is quiesced."},
    {code::kPartitionUnused, "", "The database partition is not used by any database."},
    {code::kPartitionInUse, "", "The database partition is used by database \"&1\"."},
    {code::kAddPartitionFailed, "", "The database partition cannot be added, reason \"&1\"."},
    {code::kUndefinedName, "42704", "\"&1\" is an undefined name."},

    // Monitoring.
    {code::kSnapshotBufferFull, "",
     "The snapshot did not fit in the output buffer; call again with a larger buffer."},
    {code::kMonitorNoMemory, "", "The monitor heap has no room left for the request."},
    {code::kSnapshotNoData, "", "The monitor has no data to return for the request."},

    // Data movement (import, export, load, load query).
    {code::kSqlSyntax, "42601",
     "The token \"&1\" after \"&2\" was not expected. One of these was expected: \"&3\"."},
    {code::kColumnUndefined, "42703", "\"&1\" is not a column of the table named."},
    {code::kTableOperationRefused, "57016",
     "The table \"&2\" cannot be used now (reason \"&1\": 3 load pending, 7 quiesced)."},
    {code::kCopyPathInvalid, "", "The file or folder \"&1\" cannot be used by the utility."},
    {code::kOutputFileError, "", "The file \"&2\" could not be written (reason \"&1\")."},
    {code::kFileTypeUnsupported, "", "The file type \"&1\" cannot be used for this request."},
    {code::kMessageFileError, "", "The message file could not be opened for writing."},
    {code::kActionStringInvalid, "", "The action string is missing or cannot be read."},
    {code::kMethodInvalid, "", "The column selection cannot be used with this file type."},
    {code::kFileNameInvalid, "", "The file name or path \"&1\" is not valid or not readable."},
    {code::kActionKeywordMissing, "",
     "The action string does not start with INSERT, INSERT_UPDATE, REPLACE, REPLACE_CREATE, "
     "CREATE, RESTART or TERMINATE."},
    {code::kModifierInvalid, "", "The file type modifier \"&1\" is not understood."},
    {code::kTargetTableMissing, "", "The target table does not exist."},
    {code::kNoPrimaryKey, "",
     "INSERT_UPDATE needs a table with a primary key, and the target table has none."},
    {code::kTooManyWarnings, "", "The utility stopped after \"&1\" warnings, the number allowed."},
    {code::kUtilityWarnings, "", "The message file holds at least one warning."},
    {code::kExportBegins, "", "The export is starting to write data to file \"&1\"."},
    {code::kExportEnds, "", "The export has written \"&1\" rows."},
    {code::kReadBegins, "", "The utility is starting to read data from \"&1\"."},
    {code::kReadEnds, "", "The utility has finished: \"&1\" rows were read from the input."},
    {code::kValueMissing, "",
     "Row \"&1\" has no value for column \"&2\", which is not nullable: the row was refused."},
    {code::kValueNulled, "",
     "The value \"&1\" of row \"&2\", column \"&3\" does not fit the column: null was used."},
    {code::kValueRejected, "",
     "The value \"&1\" of row \"&2\", column \"&3\" does not fit the column, which is not "
     "nullable: the row was refused."},
    {code::kValueTruncated, "",
     "The value of row \"&1\", column \"&2\" was cut to fit the column."},
    {code::kRowRejected, "", "Row \"&2\" was not put into the table: SQLCODE \"&1\"."},
    {code::kImportSummary, "",
     "\"&1\" rows were read, \"&2\" were put into the table and \"&3\" were refused."},
    {code::kCommitBegins, "", "Committing after \"&1\" input records."},
    {code::kCommitDone, "", "The commit ended well."},
    {code::kPhaseBegins, "", "The \"&1\" phase is starting."},
    {code::kPhaseEnds, "", "The \"&1\" phase has ended."},
    {code::kConsistencyPoint, "", "A consistency point is starting after \"&1\" input records."},
    {code::kConsistencyDone, "", "The consistency point ended well."},
};

std::string messageId(int sqlcode) {
    std::string digits = std::to_string(std::abs(sqlcode));
    if (digits.size() < 4) {
        digits.insert(0, 4 - digits.size(), '0');
    }
    return "SQL" + digits + (sqlcode < 0 ? "N" : "W");
}

std::string substitute(const char* templ, const std::vector<std::string>& tokens) {
    std::string out;
    for (const char* p = templ; *p != '\0'; ++p) {
        if (p[0] == '&' && p[1] >= '1' && p[1] <= '9') {
            size_t index = static_cast<size_t>(p[1] - '1');
            if (index < tokens.size()) {
                out += tokens[index];
            }
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

// One line of at most `width` bytes from `text` at `pos`: broken after the last blank that fits,
// or hard when a word is longer than the line.
size_t lineEnd(const std::string& text, size_t pos, size_t width) {
    if (text.size() - pos <= width) {
        return text.size();
    }
    size_t blank = text.rfind(' ', pos + width);
    if (blank == std::string::npos || blank <= pos) {
        return pos + width;
    }
    return blank;
}

}  // namespace

const MessageText* MessageCatalog::find(int sqlcode) {
    auto it = std::find_if(std::begin(kCatalogue), std::end(kCatalogue),
                           [&](const MessageText& row) { return row.sqlcode == sqlcode; });
    return it == std::end(kCatalogue) ? nullptr : &*it;
}

std::string_view MessageCatalog::sqlstate(int sqlcode) {
    if (sqlcode == 0) {
        return "00000";  // success, the common case: no look-up
    }
    const MessageText* row = find(sqlcode);
    return row == nullptr ? std::string_view() : std::string_view(row->sqlstate);
}

std::vector<std::string> MessageCatalog::tokens(const sqlca& ca) {
    size_t length = static_cast<size_t>(std::clamp<int>(ca.sqlerrml, 0, sizeof(ca.sqlerrmc)));
    std::vector<std::string> out;
    if (length == 0) {
        return out;
    }
    std::string current;
    for (size_t i = 0; i < length; ++i) {
        if (ca.sqlerrmc[i] == kSqlerrmcSeparator) {
            out.push_back(current);
            current.clear();
        } else {
            current += ca.sqlerrmc[i];
        }
    }
    out.push_back(current);
    return out;
}

std::string MessageCatalog::message(const sqlca& ca) {
    std::string line = messageId(ca.sqlcode) + "  ";
    const MessageText* row = find(ca.sqlcode);
    if (row == nullptr) {
        return line + "The stand-in has no text for this message.";
    }
    line += substitute(row->text, tokens(ca));
    if (row->sqlstate[0] != '\0') {
        line += std::string("  SQLSTATE=") + row->sqlstate;
    }
    return line;
}

std::string MessageCatalog::wrap(const std::string& text, int width) {
    if (width <= 0) {
        return text + "\n";
    }
    std::string out;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = lineEnd(text, pos, static_cast<size_t>(width));
        out.append(text, pos, end - pos);
        out += '\n';
        pos = end;
        while (pos < text.size() && text[pos] == ' ') {
            ++pos;
        }
    }
    return out;
}

}  // namespace db2sim
