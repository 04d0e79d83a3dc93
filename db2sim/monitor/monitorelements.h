// Element ids and data types of DB2's self-describing monitor stream, with the codes the stand-in
// puts into it (switch numbers, states, table space and lock kinds). The values are DB2's own,
// so a reader written for a real instance reads the stand-in's streams.
#pragma once

#include <cstdint>

namespace db2sim {
namespace mon {

// sqlm_header_info.type
constexpr uint16_t kTypeHeader = 1;  // a logical group: its data are further elements
constexpr uint16_t kTypeString = 50;
constexpr uint16_t kTypeU8 = 51;
constexpr uint16_t kTypeS8 = 52;
constexpr uint16_t kTypeS16 = 53;
constexpr uint16_t kTypeU16 = 54;
constexpr uint16_t kTypeS32 = 55;
constexpr uint16_t kTypeU32 = 56;
constexpr uint16_t kTypeU64 = 57;
constexpr uint16_t kTypeS64 = 58;

// Logical groups (sqlm_header_info.element of a kTypeHeader element).
constexpr uint16_t kDb2 = 1;
constexpr uint16_t kAppl = 5;
constexpr uint16_t kDbase = 13;
constexpr uint16_t kLock = 16;
constexpr uint16_t kTablespace = 17;
constexpr uint16_t kBufferpool = 18;
constexpr uint16_t kCollected = 20;
constexpr uint16_t kSwitchList = 21;
constexpr uint16_t kUowSw = 22;
constexpr uint16_t kStatementSw = 23;
constexpr uint16_t kTableSw = 24;
constexpr uint16_t kBufferpoolSw = 25;
constexpr uint16_t kLockSw = 26;
constexpr uint16_t kSortSw = 27;
constexpr uint16_t kTablespaceList = 29;
constexpr uint16_t kDbLockList = 32;
constexpr uint16_t kApplIdInfo = 36;
constexpr uint16_t kTimestampSw = 38;
constexpr uint16_t kTablespaceContainer = 42;

// Timestamps: logical groups holding kSeconds and kMicrosec.
constexpr uint16_t kTimeStamp = 200;
constexpr uint16_t kStatusChangeTime = 201;
constexpr uint16_t kLastReset = 208;
constexpr uint16_t kDb2startTime = 209;
constexpr uint16_t kDbConnTime = 210;
constexpr uint16_t kApplConTime = 213;
constexpr uint16_t kSwitchSetTime = 230;

// Data elements.
constexpr uint16_t kSeconds = 300;
constexpr uint16_t kMicrosec = 301;
constexpr uint16_t kAgentId = 302;
constexpr uint16_t kServerDb2Type = 303;
constexpr uint16_t kServerPrdid = 304;
constexpr uint16_t kServerNname = 305;
constexpr uint16_t kServerInstanceName = 306;
constexpr uint16_t kNodeNumber = 307;
constexpr uint16_t kTimeZoneDisp = 308;
constexpr uint16_t kServerVersion = 309;
constexpr uint16_t kApplStatus = 310;
constexpr uint16_t kCodepageId = 311;
constexpr uint16_t kApplName = 313;
constexpr uint16_t kApplId = 314;
constexpr uint16_t kSequenceNo = 315;
constexpr uint16_t kAuthId = 316;
constexpr uint16_t kClientNname = 317;
constexpr uint16_t kInputDbAlias = 319;
constexpr uint16_t kDbName = 321;
constexpr uint16_t kDbPath = 322;
constexpr uint16_t kClientPlatform = 329;
constexpr uint16_t kClientProtocol = 330;
constexpr uint16_t kOutputState = 344;
constexpr uint16_t kCommitSqlStmts = 349;
constexpr uint16_t kRollbackSqlStmts = 350;
constexpr uint16_t kLocalCons = 387;
constexpr uint16_t kConLocalDbases = 389;
constexpr uint16_t kAgentsRegistered = 390;
constexpr uint16_t kDb2Status = 392;
constexpr uint16_t kLocksHeld = 419;
constexpr uint16_t kLockWaits = 420;
constexpr uint16_t kLockWaitTime = 421;
constexpr uint16_t kDeadlocks = 423;
constexpr uint16_t kTotalSorts = 427;
constexpr uint16_t kSortOverflows = 429;
constexpr uint16_t kPoolDataLReads = 431;
constexpr uint16_t kPoolDataPReads = 432;
constexpr uint16_t kPoolDataWrites = 433;
constexpr uint16_t kPoolIndexLReads = 434;
constexpr uint16_t kPoolIndexPReads = 435;
constexpr uint16_t kTotalCons = 457;
constexpr uint16_t kApplsCurCons = 458;
constexpr uint16_t kDbStatus = 468;
constexpr uint16_t kConnectionsTop = 470;
constexpr uint16_t kLockMode = 552;
constexpr uint16_t kLockObjectType = 553;
constexpr uint16_t kTableName = 555;
constexpr uint16_t kTableSchema = 556;
constexpr uint16_t kTablespaceName = 557;
constexpr uint16_t kLockStatus = 566;
constexpr uint16_t kBpName = 572;
constexpr uint16_t kTablespaceId = 690;
constexpr uint16_t kTablespaceType = 691;
constexpr uint16_t kTablespaceContentType = 692;
constexpr uint16_t kTablespaceState = 693;
constexpr uint16_t kTablespacePageSize = 694;
constexpr uint16_t kTablespaceExtentSize = 695;
constexpr uint16_t kTablespacePrefetchSize = 696;
constexpr uint16_t kTablespaceTotalPages = 699;
constexpr uint16_t kTablespaceUsablePages = 700;
constexpr uint16_t kTablespaceUsedPages = 701;
constexpr uint16_t kTablespaceFreePages = 702;
constexpr uint16_t kTablespaceNumContainers = 713;
constexpr uint16_t kContainerId = 720;
constexpr uint16_t kContainerType = 721;
constexpr uint16_t kContainerTotalPages = 722;
constexpr uint16_t kContainerUsablePages = 723;
constexpr uint16_t kContainerAccessible = 725;
constexpr uint16_t kContainerName = 726;
constexpr uint16_t kLockCount = 740;
constexpr uint16_t kNumIndoubtTrans = 769;

// Values of some elements.
constexpr uint32_t kServerTypeServer = 1;  // server_db2_type: SQLF_NT_SERVER
constexpr uint32_t kPlatformLinuxX8664 = 30;
constexpr uint32_t kProtocolLocal = 8;  // client_protocol: SQL_PROTOCOL_LOCAL
constexpr uint32_t kApplConnected = 2;  // appl_status: SQLM_CONNECTED
constexpr uint32_t kApplUowWait = 4;    // SQLM_UOWWAIT
constexpr uint32_t kDb2Active = 0;
constexpr uint32_t kDb2Quiesced = 2;
constexpr uint32_t kDbActive = 0;
constexpr uint32_t kDbQuiesced = 2;
constexpr uint32_t kTablespaceDms = 0;
constexpr uint32_t kTablespaceSms = 1;
constexpr uint32_t kContentAny = 0;
constexpr uint32_t kContentLong = 1;
constexpr uint32_t kContentSysTemp = 2;
constexpr uint32_t kContentUsrTemp = 3;
constexpr uint32_t kLockModeIn = 6;        // SQLM_LOIN: intent none
constexpr uint32_t kLockModeShare = 3;     // SQLM_LOOS
constexpr uint32_t kLockInternalPlan = 8;  // SQLM_INTERNALP_LOCK
constexpr uint32_t kLockTable = 1;         // SQLM_TABLE_LOCK
constexpr uint32_t kLockGranted = 1;       // SQLM_LRBGRNT

// Monitor switches (sqlm_recording_group index) and their states.
constexpr int kSwitchUow = 0;
constexpr int kSwitchStatement = 1;
constexpr int kSwitchTable = 2;
constexpr int kSwitchBufferpool = 3;
constexpr int kSwitchLock = 4;
constexpr int kSwitchSort = 5;
constexpr int kSwitchTimestamp = 6;
constexpr int kSwitchCount = 7;       // SQLM_NUM_GROUPS, from stream version 7 (8.x)
constexpr int kSwitchCountPrev8 = 6;  // SQLM_NUM_GROUPS_PREV8
constexpr uint32_t kOff = 0;
constexpr uint32_t kOn = 1;
constexpr uint32_t kHold = 2;

// iVersion of the snapshot calls (SQLM_DBMON_VERSIONn): self-describing from version 6 (5).
constexpr uint32_t kStreamVersion6 = 5;
constexpr uint32_t kStreamVersion8 = 7;
constexpr uint32_t kStreamLatest = 9;

// sqlma request codes (sqlm_obj_struct.obj_type).
constexpr uint32_t kRequestDb2 = 0x00010001;
constexpr uint32_t kRequestDbase = 0x00010002;
constexpr uint32_t kRequestApplId = 0x00010003;
constexpr uint32_t kRequestAgentId = 0x00010004;
constexpr uint32_t kRequestDbaseAppls = 0x00010006;
constexpr uint32_t kRequestDbaseLocks = 0x00010008;
constexpr uint32_t kRequestDbaseAll = 0x00010009;
constexpr uint32_t kRequestApplAll = 0x0001000A;
constexpr uint32_t kRequestDbaseTablespaces = 0x0001000D;
constexpr uint32_t kRequestDbaseBufferpools = 0x00010016;
constexpr uint32_t kRequestBufferpoolsAll = 0x00010017;

// poOutputFormat of db2GetSnapshot: SQLM_STREAM_DYNAMIC_FORMAT, the self-describing stream.
constexpr uint32_t kDynamicFormat = 1;

}  // namespace mon
}  // namespace db2sim
