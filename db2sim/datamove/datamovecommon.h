// What the data movement entry points share: the caller's connection, the file type, reading
// files, the counted texts of the structures and the end of a utility call.
#pragma once

#include <string>
#include <vector>

#include "db2api/structs/datamove.h"
#include "db2sim/datamove/delformat.h"
#include "db2sim/datamove/rowloader.h"
#include "db2sim/datamove/selectstatement.h"

namespace db2sim {

class ApiCall;
class MessageFile;

enum class FileType { kDel, kAsc, kCursor, kOther };

// The database the calling context is connected to and the authid of the connection (the
// default schema); false when it has none.
bool callerDatabase(ApiCall& call, std::string& database, std::string& authid);
// The file type keyword (any case); kOther for anything else, null included.
FileType fileTypeOf(const char* type);
// A whole file; false when it cannot be read.
bool readWholeFile(const std::string& path, std::string& content);
// A counted string's text; false when its length is negative.
bool countedText(const sqlchar* value, std::string& text);
// A file type modifier block (null: none) applied to `format`; false with the refusal set.
bool applyModifiers(const sqlchar* modifiers, DelFormat& format, Refusal& refusal);
// The version check of every versioned data movement call: a known layout and a structure.
bool versionAccepted(db2Uint32 version, const void* parms, Refusal& refusal);

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
// The directories of a local media list ('L'); empty for null or another type.
std::vector<std::string> localPaths(const sqlu_media_list* list);

// Ends a utility call: the message file gets the refusal's message when there is one and is
// written, and the result is the refusal, else +3107 when the messages hold warnings, else
// success.
int finishUtility(ApiCall& call, MessageFile& messages, const Refusal& refusal);

}  // namespace db2sim
