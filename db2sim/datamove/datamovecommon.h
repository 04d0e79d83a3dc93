// What the data movement entry points share: the caller's connection, the file type, reading
// files, the counted texts of the structures and the end of a utility call.
#pragma once

#include <string>
#include <vector>

#include "db2api/structs/datamove.h"
#include "db2sim/datamove/delformat.h"
#include "db2sim/datamove/rowloader.h"
#include "db2sim/datamove/sourcefiles.h"
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
// A counted string's text; false when its length is negative.
bool countedText(const sqlchar* value, std::string& text);
// A file type modifier block (null: none) applied to `format`; false with the refusal set.
bool applyModifiers(const sqlchar* modifiers, DelFormat& format, UtilityRefusal& refusal);
// The version check of every versioned data movement call: a known layout and a structure.
bool versionAccepted(db2Uint32 version, const void* parms, UtilityRefusal& refusal);

// The directories of a local media list ('L'); empty for null or another type.
std::vector<std::string> localPaths(const sqlu_media_list* list);

// Ends a utility call: the message file gets the refusal's message when there is one and is
// written, and the result is the refusal, else +3107 when the messages hold warnings, else
// success.
int finishUtility(ApiCall& call, MessageFile& messages, const UtilityRefusal& refusal);

}  // namespace db2sim
