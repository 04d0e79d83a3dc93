#include "db2sim/directory/dcsdirectory.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <sstream>

#include "db2sim/directory/directoriescodes.h"
#include "db2sim/directory/directoriesfields.h"
#include "db2sim/core/sqlcodes.h"
#include "db2sim/connection/users.h"

namespace db2sim {
namespace {

constexpr size_t kRecordFields = 5;

// The local database name of an inbound entry, or the refusal.
int readLocalName(const sql_dir_entry* in, std::string& ldb) {
    if (in == nullptr) {
        return code::kInvalidDcsEntryPointer;
    }
    if (in->struct_id != SQL_DCS_STR_ID) {
        return code::kInvalidStructId;
    }
    if (!readTerminated(in->ldb, sizeof(in->ldb), ldb) ||
        !validDirectoryName(withoutTrailingBlanks(ldb))) {
        return code::kInvalidLocalDatabase;
    }
    ldb = upperCase(withoutTrailingBlanks(ldb));
    return 0;
}

int readFields(const sql_dir_entry& in, DcsEntry& entry) {
    if (!readTerminated(in.ar, sizeof(in.ar), entry.ar)) {
        return code::kInvalidArName;
    }
    if (!readTerminated(in.tdb, sizeof(in.tdb), entry.tdb) ||
        !readTerminated(in.parm, sizeof(in.parm), entry.parm) ||
        !readTerminated(in.comment, sizeof(in.comment), entry.comment)) {
        return code::kInvalidLength;
    }
    entry.tdb = withoutTrailingBlanks(entry.tdb);
    if (entry.tdb.empty()) {
        entry.tdb = entry.ldb;
    }
    return 0;
}

void describe(const DcsEntry& entry, sql_dir_entry& out) {
    std::memset(&out, 0, sizeof(out));
    out.struct_id = SQL_DCS_STR_ID;
    out.release = DcsDirectory::kRelease;
    putTerminated(out.comment, sizeof(out.comment), entry.comment);
    putTerminated(out.ldb, sizeof(out.ldb), entry.ldb);
    putTerminated(out.tdb, sizeof(out.tdb), entry.tdb);
    putTerminated(out.ar, sizeof(out.ar), entry.ar);
    putTerminated(out.parm, sizeof(out.parm), entry.parm);
}

std::string formatRecord(const DcsEntry& entry) {
    return joinRecord({entry.ldb, entry.tdb, entry.ar, entry.parm, entry.comment}) + "\n";
}

bool parseRecord(const std::string& line, DcsEntry& entry) {
    std::vector<std::string> fields = splitRecord(line);
    if (fields.size() != kRecordFields || !validDirectoryName(fields[0])) {
        return false;
    }
    entry = DcsEntry{upperCase(fields[0]), fields[1], fields[2], fields[3], fields[4]};
    return true;
}

}  // namespace

DcsDirectory::DcsDirectory() : entries_(std::make_shared<std::vector<DcsEntry>>()) {}

void DcsDirectory::load(StateHome& home) {
    copy_.reset();
    entries_ = std::make_shared<std::vector<DcsEntry>>();
    std::string text;
    if (!home.readFile(kFileName, text)) {
        return;
    }
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        DcsEntry entry;
        if (parseRecord(line, entry)) {
            entries_->push_back(std::move(entry));
        }
    }
}

bool DcsDirectory::save(StateHome& home) const {
    std::string text;
    for (const DcsEntry& entry : *entries_) {
        text += formatRecord(entry);
    }
    return home.writeFile(kFileName, text);
}

std::vector<DcsEntry>& DcsDirectory::writable() {
    if (entries_.use_count() > 1) {
        entries_ = std::make_shared<std::vector<DcsEntry>>(*entries_);
    }
    return *entries_;
}

int DcsDirectory::catalog(const sql_dir_entry* in, StateHome& home) {
    DcsEntry entry;
    if (int refusal = readLocalName(in, entry.ldb)) {
        return refusal;
    }
    if (int refusal = readFields(*in, entry)) {
        return refusal;
    }
    if (std::any_of(entries_->begin(), entries_->end(),
                    [&](const DcsEntry& e) { return e.ldb == entry.ldb; })) {
        return code::kDuplicateDcsEntry;
    }
    if (entries_->size() >= static_cast<size_t>(std::numeric_limits<short>::max())) {
        return code::kDcsDirectoryFull;
    }
    writable().push_back(std::move(entry));
    save(home);
    return code::kSuccess;
}

int DcsDirectory::uncatalog(const sql_dir_entry* in, StateHome& home) {
    std::string ldb;
    if (int refusal = readLocalName(in, ldb)) {
        return refusal;
    }
    auto found = std::find_if(entries_->begin(), entries_->end(),
                              [&](const DcsEntry& e) { return e.ldb == ldb; });
    if (found == entries_->end()) {
        return code::kDcsEntryNotFound;
    }
    size_t index = static_cast<size_t>(found - entries_->begin());
    std::vector<DcsEntry>& entries = writable();
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
    save(home);
    return code::kSuccess;
}

int DcsDirectory::open(short& count) {
    copy_ = entries_;
    next_ = 0;
    count = static_cast<short>(copy_->size());
    return copy_->empty() ? code::kDcsDirectoryEmpty : code::kSuccess;
}

int DcsDirectory::fetch(short& count, sql_dir_entry* out) {
    if (!copy_) {
        return code::kDcsNotCollected;
    }
    size_t wanted = count > 0 ? static_cast<size_t>(count) : 0;
    size_t available = copy_->size() - next_;
    if (available == 0) {
        count = 0;
        return code::kNoMoreEntries;
    }
    size_t given = std::min(wanted, available);
    for (size_t i = 0; i < given; ++i) {
        describe((*copy_)[next_ + i], out[i]);
    }
    next_ += given;
    count = static_cast<short>(given);
    return code::kSuccess;
}

int DcsDirectory::close() {
    if (!copy_) {
        return code::kDcsNotCollected;
    }
    copy_.reset();
    return code::kSuccess;
}

}  // namespace db2sim
