// Sqlcodes of the database monitor, the table space queries and the in-doubt transaction lists
// (besides the buffer-full, no-memory and no-data codes of sqlcodes.h). Each has a text in the
// message catalogue.
#pragma once

namespace db2sim {
namespace code {

constexpr int kMonitorNullPointer = -1601;    // a required pointer of the request is null
constexpr int kMonitorInvalidType = -1602;    // sqlma obj_type the monitor does not know
constexpr int kMonitorNotSpecified = -1603;   // the request names no database or application
constexpr int kMonitorNotTerminated = -1604;  // the name has no NUL in its 128 bytes
constexpr int kMonitorInvalidValue = -1610;   // version, partition, class or count refused

}  // namespace code
}  // namespace db2sim
