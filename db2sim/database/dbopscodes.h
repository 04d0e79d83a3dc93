// Sqlcodes of the database and instance operations (create, drop, start, stop, activation,
// quiesce, restart, migrate, comment, partitions). Each has a text in the message catalogue.
#pragma once

namespace db2sim {
namespace code {

constexpr int kAlreadyConnected = -1047;     // create while connected to a database
constexpr int kPathNotFound = -1052;         // create: the database path does not exist
constexpr int kBadDescriptor = -1083;        // create: descriptor block, reason token
constexpr int kApplicationsActive = -1025;   // stop: databases are active or connected
constexpr int kAlreadyCurrent = 1103;        // migrate: the database is at this release
constexpr int kAlreadyActivated = 1490;      // activate: it was already activated
constexpr int kActivatedConnected = 1494;    // activate: applications were connected already
constexpr int kDeactivatedConnected = 1495;  // deactivate: connections remain
constexpr int kNotActivated = 1496;          // deactivate: it was not activated
constexpr int kQuiesced = -20157;            // connect refused while quiesced
constexpr int kPartitionUnused = 6034;       // drop partition verify: no database uses it
constexpr int kPartitionInUse = 6035;        // drop partition verify: a database uses it
constexpr int kAddPartitionFailed = -6073;   // add partition on a single-partition instance
constexpr int kUndefinedName = -204;         // redistribute: unknown partition group

// Reason tokens of kBadDescriptor.
constexpr const char* kReasonEyeCatcher = "1";
constexpr const char* kReasonCollation = "2";
constexpr const char* kReasonComment = "3";
constexpr const char* kReasonSizes = "4";
constexpr const char* kReasonTablespace = "5";
constexpr const char* kReasonTerritory = "6";

}  // namespace code
}  // namespace db2sim
