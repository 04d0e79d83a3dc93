// Sqlcodes of backup, restore, rollforward, the recovery history and the log and table space
// utilities. Each has a text in the message catalogue.
#pragma once

namespace db2sim {
namespace code {

constexpr int kRollforwardPendingConnect = -1117;   // connect: the database needs a rollforward
constexpr int kPruneLogNotAllowed = -1206;          // prune logs of a database with circular logs
constexpr int kArchiveLogFailed = -1259;            // archive log: the log could not be closed
constexpr int kRollforwardNotEnabled = -1260;       // rollforward of a non-recoverable database
constexpr int kRollforwardNotPending = -1261;       // rollforward of a database not pending
constexpr int kBadStopTime = -1275;                 // stop time before the image or malformed
constexpr int kRedirectedRestore = 1277;            // redirected restore: set containers now
constexpr int kFunctionNotSupported = -1651;        // reconcile on a release without it
constexpr int kCallOutOfSequence = -2008;           // continue without a restore to continue
constexpr int kPathMissing = -2036;                 // backup/restore target path missing
constexpr int kAliasParameter = -2040;              // no alias
constexpr int kBadTablespaceName = -2066;           // a table space the database lacks
constexpr int kVendorLibrary = -2071;               // vendor library missing
constexpr int kHistoryScansExceeded = -2157;        // too many history scans
constexpr int kHistoryDamaged = -2161;              // history file cannot be read
constexpr int kHistoryEntryNotFound = -2171;        // update: no entry has that id
constexpr int kUndefinedTable = -204;               // quiesce/reconcile: no such table
constexpr int kBackupRollforwardPending = -2406;    // backup of a database pending rollforward
constexpr int kOnlineNeedsArchiveLogs = -2413;      // online backup of a non-recoverable db
constexpr int kNotRecoverable = -2417;              // archive log of a non-recoverable database
constexpr int kTablespaceNeedsArchiveLogs = -2421;  // table space backup, non-recoverable db
constexpr int kIncrementalNeedsTrackmod = -2426;    // incremental backup without trackmod
constexpr int kTooManyImages = -2522;               // more than one image matches
constexpr int kImageCorrupt = -2530;                // the image's checks fail
constexpr int kRollforwardRequired = -2537;         // no rollforward after an online image
constexpr int kImageEndedEarly = -2538;             // the image ends before its end
constexpr int kNoImage = -2542;                     // no image matches
constexpr int kTargetPath = -2543;                  // new database's path is not a folder
constexpr int kTablespaceToOtherDatabase = -2560;   // table space restore into another db
constexpr int kIncrementalImage = -2573;            // incremental image, plain restore
// Restore into an existing database: whether alias (A) and name (N) match the image's.
constexpr int kRestoreA1N1 = 2539;
constexpr int kRestoreA0N1 = 2524;
constexpr int kRestoreA1N0 = 2527;
constexpr int kRestoreA0N0 = 2529;

}  // namespace code
}  // namespace db2sim
