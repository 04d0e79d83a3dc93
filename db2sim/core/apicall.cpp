#include "db2sim/core/apicall.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "db2sim/core/instance.h"
#include "db2sim/core/sqlcawriter.h"
#include "db2sim/core/sqlcodes.h"

namespace db2sim {
namespace {

constexpr size_t kMaxShownText = 256;
constexpr char kHexDigits[] = "0123456789ABCDEF";
// Longest "0x..." of a pointer, and longest decimal long long.
constexpr size_t kMaxHex = 2 + 2 * sizeof(uintptr_t);
constexpr size_t kMaxNumber = 20;

bool needsEscape(unsigned char c) {
    return c == '"' || c == '\\' || c < 0x20 || c >= 0x7F;
}

// Writes c as \" \\ or \xNN; returns the end.
char* putEscaped(char* at, unsigned char c) {
    *at++ = '\\';
    if (c == '"' || c == '\\') {
        *at++ = static_cast<char>(c);
    } else {
        *at++ = 'x';
        *at++ = kHexDigits[c >> 4];
        *at++ = kHexDigits[c & 0xF];
    }
    return at;
}

// Quoted and escaped, cut after kMaxShownText bytes, or null.
void appendQuoted(LineBuilder& line, const char* value) {
    if (value == nullptr) {
        line.append("null");
        return;
    }
    size_t length = strnlen(value, kMaxShownText + 1);
    size_t shown = std::min(length, kMaxShownText);
    // Every byte may need four ("\xNN"), plus the quotes and "...".
    char* at = line.room(4 * shown + 5);
    *at++ = '"';
    for (size_t i = 0; i < shown; ++i) {
        unsigned char c = static_cast<unsigned char>(value[i]);
        if (needsEscape(c)) {
            at = putEscaped(at, c);
        } else {
            *at++ = static_cast<char>(c);
        }
    }
    if (length > kMaxShownText) {
        at = std::copy_n("...", 3, at);
    }
    *at++ = '"';
    line.commit(at);
}

void appendNumber(LineBuilder& line, long long value) {
    char* at = line.room(kMaxNumber);
    line.commit(std::to_chars(at, at + kMaxNumber, value).ptr);
}

void appendHex(LineBuilder& line, const void* value) {
    if (value == nullptr) {
        line.append("null");
        return;
    }
    char* at = line.room(kMaxHex);
    *at++ = '0';
    *at++ = 'x';
    line.commit(std::to_chars(at, at + kMaxHex - 2, reinterpret_cast<uintptr_t>(value), 16).ptr);
}

// Copies a literal into a buffer known to be large enough; returns the end of the copy.
template <size_t N>
char* copyText(char* at, const char (&text)[N]) {
    return std::copy_n(text, N - 1, at);
}

// The line's ending for a call an injected fault hit.
std::string_view faultText(FaultKind kind) {
    switch (kind) {
        case FaultKind::kMissing:
            return " fault=missing";
        case FaultKind::kError:
            return " fault=error";
        case FaultKind::kWarning:
            return " fault=warning";
    }
    return " fault=?";
}

}  // namespace

ApiCall::ApiCall(std::string_view entry, sqlca* ca, CallKind kind, Access access)
    : instance_(Instance::get()),
      ca_(ca),
      kind_(kind),
      access_(access),
      entryLength_(entry.size()) {
    lock();
    arguments_.append(entry);
    arguments_.append('(');
}

void ApiCall::lock() {
    ContextPool& pool = instance_.contexts();
    for (;;) {
        context_ = onContext() ? pool.current() : nullptr;
        if (context_ != nullptr) {
            contextLock_ = pool.callLock(context_);
        }
        if (access_ == Access::kRead) {
            reading_ = std::shared_lock<ReadMostlyLock>(instance_.lock());
        } else {
            changing_ = std::unique_lock<ReadMostlyLock>(instance_.lock());
        }
        if (!onContext() || pool.current() == context_) {
            return;
        }
        reading_ = {};
        changing_ = {};
        contextLock_ = {};
    }
}

ApiCall::~ApiCall() {
    try {
        storeLine();
    } catch (...) {
        // A lost journal line must not take the caller down.
    }
}

void ApiCall::beginArgument(std::string_view name) {
    if (arguments_.size() != entryLength_ + 1) {
        arguments_.append(", ");
    }
    arguments_.append(name);
    arguments_.append('=');
}

ApiCall& ApiCall::text(std::string_view name, const char* value) {
    beginArgument(name);
    appendQuoted(arguments_, value);
    return *this;
}

ApiCall& ApiCall::decoded(std::string_view name, std::string_view value) {
    constexpr size_t kMaxDecoded = 4096;
    beginArgument(name);
    size_t shown = std::min(value.size(), kMaxDecoded);
    char* at = arguments_.room(4 * shown + 3);
    for (size_t i = 0; i < shown; ++i) {
        unsigned char c = static_cast<unsigned char>(value[i]);
        if (c < 0x20 || c >= 0x7F) {
            at = putEscaped(at, c);
        } else {
            *at++ = static_cast<char>(c);
        }
    }
    if (value.size() > kMaxDecoded) {
        at = std::copy_n("...", 3, at);
    }
    arguments_.commit(at);
    return *this;
}

ApiCall& ApiCall::secret(std::string_view name, const char* value) {
    beginArgument(name);
    arguments_.append(value == nullptr ? "null" : "***");
    return *this;
}

ApiCall& ApiCall::num(std::string_view name, long long value) {
    beginArgument(name);
    appendNumber(arguments_, value);
    return *this;
}

ApiCall& ApiCall::ptr(std::string_view name, const void* value) {
    beginArgument(name);
    appendHex(arguments_, value);
    return *this;
}

ApiCall& ApiCall::out(std::string_view name, const void* value) {
    return output(" ", name, value);
}

ApiCall& ApiCall::pointee(std::string_view name, const void* value) {
    return output(" *", name, value);
}

ApiCall& ApiCall::output(std::string_view prefix, std::string_view name, const void* value) {
    outputs_.append(prefix);
    outputs_.append(name);
    outputs_.append('=');
    appendHex(outputs_, value);
    return *this;
}

bool ApiCall::proceed() {
    checked_ = true;
    fault_ = instance_.faults().take(entryName());
    if (fault_ && fault_->kind == FaultKind::kMissing) {
        rc_ = -1;
        return false;
    }
    if (hasSqlca() && ca_ == nullptr) {
        rc_ = -1;
        return false;
    }
    if (fault_ && fault_->kind == FaultKind::kError) {
        // Formatter and sqleSetTypeCtx have no sqlca to fill: the sqlcode is their result, so a
        // test can make sqlaintp_api answer -3 (no message file) and the like.
        setSqlca(fault_->sqlcode, fault_->tokens);
        rc_ = kind_ == CallKind::kCli ? SQL_ERROR : fault_->sqlcode;
        return false;
    }
    if (onContext() && context_ == nullptr) {
        fail(code::kNoContext);
        return false;
    }
    return true;
}

void ApiCall::setSqlca(int sqlcode, std::string_view tokens) {
    if (ca_ != nullptr && hasSqlca()) {
        writeSqlca(*ca_, sqlcode, tokens, instance_.product());
    }
}

int ApiCall::fail(int sqlcode, const std::vector<std::string>& tokens) {
    setSqlca(sqlcode, joinTokens(tokens));
    rc_ = kind_ == CallKind::kCli ? SQL_ERROR : sqlcode;
    return rc_;
}

int ApiCall::succeed() {
    if (fault_ && fault_->kind == FaultKind::kWarning) {
        setSqlca(fault_->sqlcode, fault_->tokens);
        rc_ = kind_ == CallKind::kCli ? SQL_SUCCESS_WITH_INFO : fault_->sqlcode;
    } else {
        setSqlca(code::kSuccess, std::string_view());
        rc_ = kind_ == CallKind::kCli ? SQL_SUCCESS : code::kSuccess;
    }
    return rc_;
}

int ApiCall::unsupported() {
    if (!checked_ && !proceed()) {
        return rc_;
    }
    return fail(code::kUnsupported, {entry()});
}

int ApiCall::finish(int result) {
    rc_ = result;
    return rc_;
}

void ApiCall::storeLine() {
    // ") -> rc sqlcode=N": at most ~50 bytes.
    char result[96];
    char* end = result + sizeof(result);
    char* at = copyText(result, ") -> ");
    at = std::to_chars(at, end, rc_).ptr;
    if (hasSqlca() && ca_ == nullptr) {
        at = copyText(at, " sqlca=null");
    } else if (hasSqlca()) {
        at = copyText(at, " sqlcode=");
        at = std::to_chars(at, end, ca_->sqlcode).ptr;
    }
    std::string_view fault;
    if (fault_) {
        fault = faultText(fault_->kind);
    }
    instance_.journal().add({arguments_.view(),
                             std::string_view(result, static_cast<size_t>(at - result)),
                             outputs_.view(), fault});
}

}  // namespace db2sim
