// Sqlcodes of the maintenance utilities (statistics, reorganisation, inspection, packages,
// utility control). Each has a text in the message catalogue.
#pragma once

namespace db2sim {
namespace code {

constexpr int kBindFileName = -2;            // bind: no bind file named
constexpr int kUnterminatedString = -10;     // precompile: a string constant without its end
constexpr int kFileNotOpened = -31;          // bind, precompile: the file cannot be opened
constexpr int kFileNotUsable = -32;          // precompile: the bind file cannot be written
constexpr int kNotBindFile = -33;            // bind: the file is not a bind file
constexpr int kNoStatements = 53;            // precompile: no SQL statement in the program
constexpr int kUnexpectedToken = -104;       // precompile: a statement that is not SQL
constexpr int kColumnNotFound = -205;        // runstats: a column the table does not have
constexpr int kPackageExists = -719;         // bind, precompile with ACTION ADD
constexpr int kUtilityNotFound = -1153;      // utility control: no running utility of that id
constexpr int kInplaceReorgRefused = -2219;  // reorg: in-place action against its utility's state
constexpr int kTableNotFound = -2306;        // runstats, reorg, inspect: no such table or index
constexpr int kPackageNameInvalid = -4004;   // precompile: the package name is not valid

}  // namespace code
}  // namespace db2sim
