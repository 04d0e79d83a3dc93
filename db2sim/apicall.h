// One call of an entry point. It holds the instance lock for the whole call, applies injected
// faults, fills the caller's sqlca and writes the journal line when it goes out of scope:
//
//     ApiCall call("sqleatin_api", pSqlca);
//     call.text("pNodeName", pNodeName).secret("pPassword", pPassword);
//     if (!call.proceed()) return call.rc();
//     ... the work: return call.fail(code, {tokens}) or call.succeed();
//
// Journal line: name(arg=value, ...) -> rc sqlcode=N [outputs] [fault=kind]
#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "db2api/db2types.h"
#include "db2sim/faulttable.h"

namespace db2sim {

class Instance;

enum class CallKind {
    kAdmin,      // reports through the caller's sqlca and returns its sqlcode
    kNoSqlca,    // only a result (sqleSetTypeCtx)
    kFormatter,  // reads the sqlca, never writes it (sqlaintp_api)
    kCli,        // SQLRETURN results
};

class ApiCall {
  public:
    ApiCall(const char* entry, sqlca* ca, CallKind kind = CallKind::kAdmin);
    ~ApiCall();
    ApiCall(const ApiCall&) = delete;
    ApiCall& operator=(const ApiCall&) = delete;

    // Decoded arguments, in call order.
    ApiCall& text(const char* name, const char* value);    // quoted, or null
    ApiCall& secret(const char* name, const char* value);  // "***", or null
    ApiCall& num(const char* name, long long value);
    ApiCall& ptr(const char* name, const void* value);  // hex, or null
    // A value the call hands back, shown after the result.
    ApiCall& out(const char* name, const void* value);

    // Applies an injected fault and the null-sqlca rule. False when the call must return rc()
    // at once: the entry point is "missing" (-1), the sqlca is null (-1), or an error fault hit.
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

    const std::string& entry() const { return entry_; }
    Instance& instance() { return instance_; }

  private:
    void add(const char* name, const std::string& value);
    void setSqlca(int sqlcode, const std::string& tokens);
    std::string line() const;

    Instance& instance_;
    std::unique_lock<std::recursive_mutex> lock_;
    std::string entry_;
    sqlca* ca_;
    CallKind kind_;
    std::string args_;
    std::string outs_;
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
