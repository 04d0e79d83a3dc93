// The sqlcodes of the directory areas beyond those in sqlcodes.h. Each has a text in the message
// catalogue.
#pragma once

namespace db2sim {
namespace code {

// Database directory.
constexpr int kInvalidAlias = -1000;
constexpr int kInvalidPath = -1002;
constexpr int kInvalidEntryType = -1010;
constexpr int kNoNodeForRemote = -1012;
constexpr int kInvalidNodeName = -1019;
constexpr int kCannotUncatalogHome = -1050;

// Scans.
constexpr int kTooManyScans = -1056;
constexpr int kInvalidScanHandle = -1058;
constexpr int kInvalidCountPointer = -1076;
constexpr int kInvalidHandlePointer = -1077;
constexpr int kInvalidBufferPointer = -1078;
constexpr int kInvalidDbNamePointer = -1070;
constexpr int kInvalidAliasPointer = -1071;
constexpr int kInvalidNodePointer = -1079;

// Node directory.
constexpr int kInvalidNodeStructPointer = -1121;
constexpr int kInvalidProtocolPointer = -1122;
constexpr int kInvalidProtocol = -1123;
constexpr int kInvalidRemoteName = -1124;
constexpr int kInvalidNetworkId = -1126;
constexpr int kInvalidPartnerLu = -1127;
constexpr int kInvalidComputerName = -1211;
constexpr int kInvalidInstanceName = -1212;
constexpr int kInvalidSymDestName = -1330;
constexpr int kInvalidSecurityType = -1331;
constexpr int kInvalidHostName = -1332;
constexpr int kInvalidServiceName = -1333;
constexpr int kInvalidFileServer = -1342;
constexpr int kInvalidObjectName = -1343;
constexpr int kCommunicationError = -30081;

// DCS directory.
constexpr int kDcsDirectoryFull = -1313;
constexpr int kInvalidDcsEntryPointer = -1314;
constexpr int kInvalidLocalDatabase = -1315;
constexpr int kDuplicateDcsEntry = -1317;
constexpr int kInvalidLength = -1318;
constexpr int kDcsNotCollected = -1319;
constexpr int kInvalidStructId = -1321;
constexpr int kInvalidArName = -1335;

}  // namespace code
}  // namespace db2sim
