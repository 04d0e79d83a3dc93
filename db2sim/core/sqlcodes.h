// The sqlcodes the stand-in answers with, by name. Each has a text in the message catalogue.
#pragma once

namespace db2sim {
namespace code {

constexpr int kSuccess = 0;

// Answer of every entry point whose area the stand-in does not simulate yet.
constexpr int kUnsupported = -9999;

// Application contexts.
constexpr int kContextInvalid = -1441;      // unknown context or bad parameter
constexpr int kContextNotAttached = -1442;  // not the calling thread's context
constexpr int kThreadHasContext = -1443;    // the thread already uses a context
constexpr int kContextInUse = -1444;        // attached to another thread
constexpr int kNoContext = -1445;           // the thread has no context

// General.
constexpr int kNoMemory = -930;
constexpr int kInvalidParameter = -2032;
constexpr int kNotAuthorized = -1092;
constexpr int kManagerNotStarted = -1032;
constexpr int kManagerActive = 1026;
constexpr int kDatabaseInUse = -1035;

// Connections and security.
constexpr int kNoConnection = -1024;
constexpr int kNoAttachment = -1427;
constexpr int kBadCredentials = -1403;
constexpr int kSecurityFailed = -30082;

// Directories.
constexpr int kInvalidDatabaseName = -1001;
constexpr int kDuplicateAlias = -1005;
constexpr int kDatabaseNotFound = -1013;
constexpr int kNoMoreEntries = 1014;
constexpr int kDuplicateNode = -1018;
constexpr int kNodeNotFound = -1021;
constexpr int kNoNodeDirectory = -1027;
constexpr int kNoDatabaseDirectory = -1031;
constexpr int kNodeDirectoryEmpty = 1037;
constexpr int kDatabaseDirectoryEmpty = 1057;
constexpr int kNodeNotCatalogued = -1097;
constexpr int kNoDcsDirectory = -1311;
constexpr int kDcsDirectoryEmpty = 1312;
constexpr int kDcsEntryNotFound = -1316;

// Configuration.
constexpr int kInvalidToken = -5060;
constexpr int kInvalidCfgPointer = -5061;
constexpr int kInvalidValuePointer = -5062;

// Monitoring.
constexpr int kSnapshotBufferFull = 1606;
constexpr int kMonitorNoMemory = -1607;
constexpr int kSnapshotNoData = 1611;

}  // namespace code
}  // namespace db2sim
