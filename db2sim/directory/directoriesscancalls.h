// The scan calls the database and node directories share: the checks of an opening, fetching the
// next entry of an open scan, and closing it. The directory is picked from the manager only once
// the call may proceed. They only read the directory (a scan holds its own copy), so they run at
// once; the scan tables lock themselves.
#pragma once

#include <string_view>

#include "db2sim/core/apicall.h"
#include "db2sim/directory/directories.h"
#include "db2sim/directory/directoriescodes.h"
#include "db2sim/core/manager.h"
#include "db2sim/core/sqlcodes.h"

namespace db2sim {

// DbDirectory or NodeDirectory, as a member of Directories.
template <class Directory>
using DirectoryOf = Directory& (Directories::*)();

// After journaling an opening: false with `rc` set when the call ends here.
inline bool openScanAllowed(ApiCall& call, const void* handle, const void* count, int& rc) {
    if (!call.proceed()) {
        rc = call.rc();
    } else if (handle == nullptr) {
        rc = call.fail(code::kInvalidHandlePointer);
    } else if (count == nullptr) {
        rc = call.fail(code::kInvalidCountPointer);
    } else {
        return true;
    }
    return false;
}

// Ends an opening: journals the handle and count handed back.
inline int openScanDone(ApiCall& call, int rc, unsigned short handle, unsigned short count) {
    call.num("*pHandle", handle).num("*pNumEntries", count);
    return rc != code::kSuccess ? call.fail(rc) : call.succeed();
}

// `entryArg` is the name of the caller's pointer-to-pointer argument, as the journal shows it.
// Names are views so that the lengths of the literals passed are known at compile time.
template <class Directory, class Entry>
int nextScanEntry(std::string_view api, DirectoryOf<Directory> which, std::string_view entryArg,
                  unsigned short handle, Entry** entry, sqlca* ca) {
    ApiCall call(api, ca, CallKind::kAdmin, Access::kRead);
    call.num("Handle", handle).ptr(entryArg, entry);
    if (!call.proceed()) {
        return call.rc();
    }
    if (entry == nullptr) {
        return call.fail(code::kInvalidBufferPointer);
    }
    int rc = (Manager::get().directories().*which)().next(handle, *entry);
    if (rc != code::kSuccess) {
        return call.fail(rc);
    }
    call.pointee(entryArg, *entry);
    return call.succeed();
}

template <class Directory>
int closeScan(std::string_view api, DirectoryOf<Directory> which, unsigned short handle,
              sqlca* ca) {
    ApiCall call(api, ca, CallKind::kAdmin, Access::kRead);
    call.num("Handle", handle);
    if (!call.proceed()) {
        return call.rc();
    }
    int rc = (Manager::get().directories().*which)().close(handle);
    return rc == code::kSuccess ? call.succeed() : call.fail(rc);
}

}  // namespace db2sim
