// One call of an entry point. It holds the locks of the call for its whole length, applies
// injected faults, fills the caller's sqlca and writes the journal line when it goes out of scope:
//
//     ApiCall call("sqleatin_api", pSqlca);
//     call.text("pNodeName", pNodeName).secret("pPassword", pPassword);
//     if (!call.proceed()) return call.rc();
//     ... the work: return call.fail(code, {tokens}) or call.succeed();
//
// Journal line: name(arg=value, ...) -> rc sqlcode=N [outputs] [fault=kind]
//
// Every call of every entry point comes through here, so the line is built on the stack as the
// call goes, arguments and outputs apart, and the journal stores it in one piece at the end with
// the result between them. Names are string views: a literal's length is known where it is written.
//
// Locks, always taken in this order (see db2sim/README.md, "Threads"):
//   1. the call lock of the context the call works on (ContextPool::callLock), for every
//      administrative call but the context calls: calls on one context run one at a time, calls
//      on different contexts at once (CLI calls, the formatter and sqleSetTypeCtx take none);
//   2. the instance lock, shared for Access::kRead and exclusive for Access::kChange;
//   3. at most one area lock (attachments, CLI connections, configuration, a directory's scan
//      table, then one scan), except that the CLI connections' lock comes before the instance
//      state's;
//   4. leaf locks, under which nothing else is locked: the context pool, faults, journal,
//      handed-out memory, the state folder.
#pragma once

#include <cstddef>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <vector>

#include "db2api/db2types.h"
#include "db2sim/core/faulttable.h"
#include "db2sim/core/linebuilder.h"
#include "db2sim/core/readmostlylock.h"

namespace db2sim {

class Instance;

enum class CallKind {
    kAdmin,      // reports through the caller's sqlca and returns its sqlcode
    kContext,    // like kAdmin, but needs no context: sqleBeginCtx and the other context calls
    kNoSqlca,    // only a result (sqleSetTypeCtx)
    kFormatter,  // reads the sqlca, never writes it (sqlaintp_api)
    kCli,        // SQLRETURN results
};

// What a call does to the instance's shared state. kRead calls run at once with each other: they
// only read it, or change what an area lock of its own guards (attachments, CLI connections,
// scans, contexts). kChange calls run alone.
enum class Access {
    kChange,
    kRead,
};

class ApiCall {
  public:
    ApiCall(std::string_view entry, sqlca* ca, CallKind kind = CallKind::kAdmin,
            Access access = Access::kChange);
    ~ApiCall();
    ApiCall(const ApiCall&) = delete;
    ApiCall& operator=(const ApiCall&) = delete;

    // Decoded arguments, in call order.
    ApiCall& text(std::string_view name, const char* value);    // quoted, or null
    ApiCall& secret(std::string_view name, const char* value);  // "***", or null
    ApiCall& num(std::string_view name, long long value);
    ApiCall& ptr(std::string_view name, const void* value);  // hex, or null
    // A structure the area decoded itself ("{type='L' sessions=1 ...}"), shown as it is but for
    // bytes a terminal would act on, which are escaped; at most 4096 bytes.
    ApiCall& decoded(std::string_view name, std::string_view value);
    // A value the call hands back, shown after the result.
    ApiCall& out(std::string_view name, const void* value);
    // What the caller's pointer-to-pointer argument `name` now points at, shown as "*name=".
    ApiCall& pointee(std::string_view name, const void* value);

    // Applies an injected fault, the null-sqlca rule and the context rule. False when the call
    // must return rc() at once: the entry point is "missing" (-1), the sqlca is null (-1), an
    // error fault hit, or an administrative call comes from a thread without a context in
    // manual mode (SQL1445N).
    bool proceed();
    int rc() const { return rc_; }

    // Ends the call with an error: sqlca filled, result per kind (sqlcode, or SQL_ERROR).
    int fail(int sqlcode, const std::vector<std::string>& tokens = {});
    // Ends the call successfully; a pending warning fault now lands in the sqlca.
    int succeed();
    // Ends a call of an entry point whose area the stand-in does not simulate yet.
    int unsupported();
    // Ends a call whose result is not an sqlcode (formatter, sqleSetTypeCtx).
    int finish(int result);

    std::string entry() const { return std::string(entryName()); }
    Instance& instance() { return instance_; }

  private:
    // Takes the context's call lock and the instance lock (see above), again when the context
    // changed while they were awaited (a reset ended it).
    void lock();
    // Administrative calls work on the thread's context. CLI calls work on the context their
    // connection handle is bound to (SQL_ATTR_CONN_CONTEXT), whatever the thread attached, so
    // they neither need one nor take a context's call lock: the CLI connections' lock orders
    // them with each other and with the end of a context.
    bool onContext() const { return kind_ == CallKind::kAdmin; }
    bool hasSqlca() const { return kind_ == CallKind::kAdmin || kind_ == CallKind::kContext; }
    // Starts an argument: "name=" after a separator.
    void beginArgument(std::string_view name);
    // An output shown as "<prefix>name=0x..." after the result.
    ApiCall& output(std::string_view prefix, std::string_view name, const void* value);
    void setSqlca(int sqlcode, std::string_view tokens);
    // The entry point's name: the line's start, before "(".
    std::string_view entryName() const { return arguments_.view().substr(0, entryLength_); }
    // Hands the line to the journal: arguments, result, outputs, fault.
    void storeLine();

    Instance& instance_;
    sqlca* ca_;
    CallKind kind_;
    Access access_;
    void* context_ = nullptr;
    std::unique_lock<std::mutex> contextLock_;
    std::shared_lock<ReadMostlyLock> reading_;
    std::unique_lock<ReadMostlyLock> changing_;
    LineBuilder arguments_;  // "entry(arg=value, ..."
    LineBuilder outputs_;    // " name=value ..."
    size_t entryLength_;
    std::optional<Fault> fault_;
    bool checked_ = false;
    int rc_ = 0;
};

// Runs an entry point's body; an escaping exception becomes the result -1 instead of crossing
// into the caller.
template <class Body>
int guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return -1;
    }
}

}  // namespace db2sim
