// Sqlcodes of the data movement utilities (import, export, load, load query). Each has a text in
// the message catalogue; the positive ones below kWarnings only appear as message file lines.
#pragma once

namespace db2sim {
namespace code {

constexpr int kSqlSyntax = -104;              // statement: unexpected token, expected
constexpr int kColumnUndefined = -206;        // statement: unknown column
constexpr int kTableOperationRefused = -668;  // table state forbids it: reason, table
constexpr int kCopyPathInvalid = -2036;       // load: source or copy path not usable
constexpr int kOutputFileError = -3001;       // export: data or LOB file cannot be written
constexpr int kFileTypeUnsupported = -3004;   // file type not DEL (or ASC for import and load)
constexpr int kMessageFileError = -3006;      // message file cannot be written
constexpr int kActionStringInvalid = -3009;   // action string missing or malformed
constexpr int kMethodInvalid = -3010;         // column selection not usable with the file type
constexpr int kFileNameInvalid = -3025;       // data file name missing or file not readable
constexpr int kActionKeywordMissing = -3033;  // no INSERT / REPLACE / ... keyword
constexpr int kModifierInvalid = -3192;       // file type modifier not understood
constexpr int kNoPrimaryKey = -3203;          // INSERT_UPDATE on a table without a unique key
constexpr int kTargetTableMissing = -3304;    // the target table does not exist
constexpr int kTooManyWarnings = -3502;       // the warning count was reached
constexpr int kUtilityWarnings = 3107;        // the message file holds warnings

// Message file lines.
constexpr int kExportBegins = 3104;
constexpr int kExportEnds = 3105;
constexpr int kReadBegins = 3109;
constexpr int kReadEnds = 3110;
constexpr int kValueMissing = 3116;    // NOT NULL column without a value: row rejected
constexpr int kValueNulled = 3117;     // value not convertible, column nullable: null used
constexpr int kValueRejected = 3118;   // value not convertible, column NOT NULL: row rejected
constexpr int kValueTruncated = 3125;  // value cut to the column's length
constexpr int kRowRejected = 3148;     // row not inserted: sqlcode
constexpr int kImportSummary = 3149;   // processed, inserted, rejected
constexpr int kCommitBegins = 3221;
constexpr int kCommitDone = 3222;
constexpr int kPhaseBegins = 3500;
constexpr int kPhaseEnds = 3515;
constexpr int kConsistencyPoint = 3519;
constexpr int kConsistencyDone = 3520;
constexpr int kDuplicateKey = -803;  // the sqlcode a duplicate row gets (kRowRejected token)

// Reason tokens of kTableOperationRefused.
constexpr const char* kReasonLoadPending = "3";
constexpr const char* kReasonQuiesced = "7";

}  // namespace code
}  // namespace db2sim
