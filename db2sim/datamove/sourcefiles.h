// Reading the files the utilities take: whole files, DEL and ASC records, the locations of an
// ASC descriptor, null indicators and LOB location specifiers. Nothing here calls DB2.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "db2api/structs/datamove.h"
#include "db2sim/datamove/delformat.h"
#include "db2sim/datamove/rowloader.h"

namespace db2sim {

// A whole file; false when it cannot be read.
bool readWholeFile(const std::string& path, std::string& content);
// Records of a DEL text as loader input.
std::vector<SourceRecord> delRecords(const DelFormat& format, const std::string& text);
// Records of an ASC text: each line cut at the descriptor's locations (from 1, inclusive); a
// column whose null indicator position holds 'Y' is null, as is a field of blanks only.
std::vector<SourceRecord> ascRecords(const std::string& text, const std::vector<sqllocpair>& pairs,
                                     const std::vector<db2int32>& nullIndicators);
// The locations of an 'L' descriptor; false when it is not one that can be read.
bool locations(const sqldcol* descriptor, std::vector<sqllocpair>& pairs);
// Null indicator positions, one per location (missing ones 0).
std::vector<db2int32> indicators(const db2int32* nullIndicators, size_t count);
// Reads a LOB location specifier ("name.ext.001.0.12/") from the first LOB path that holds the
// file; a length of -1 is null.
bool readLob(const std::vector<std::string>& paths, const std::string& specifier,
             std::optional<std::string>& value);
}  // namespace db2sim
