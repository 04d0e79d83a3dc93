#include "db2sim/apicall.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "db2sim/instance.h"
#include "db2sim/sqlcawriter.h"
#include "db2sim/sqlcodes.h"

namespace db2sim {
namespace {

constexpr size_t kMaxShownText = 256;
// Room for most lines, so a call formats its line without growing the string.
constexpr size_t kLineReserve = 192;
constexpr char kHexDigits[] = "0123456789ABCDEF";

bool needsEscape(unsigned char c) {
    return c == '"' || c == '\\' || c < 0x20 || c >= 0x7F;
}

void appendEscaped(std::string& out, unsigned char c) {
    if (c == '"' || c == '\\') {
        out += '\\';
        out += static_cast<char>(c);
    } else {
        const char hex[] = {'\\', 'x', kHexDigits[c >> 4], kHexDigits[c & 0xF]};
        out.append(hex, sizeof(hex));
    }
}

// Quoted and escaped, cut after kMaxShownText bytes, or null.
void appendQuoted(std::string& out, const char* value) {
    if (value == nullptr) {
        out += "null";
        return;
    }
    size_t length = strnlen(value, kMaxShownText + 1);
    size_t shown = std::min(length, kMaxShownText);
    out += '"';
    size_t plain = 0;  // start of the run of bytes shown as they are
    for (size_t i = 0; i < shown; ++i) {
        unsigned char c = static_cast<unsigned char>(value[i]);
        if (needsEscape(c)) {
            out.append(value + plain, i - plain);
            appendEscaped(out, c);
            plain = i + 1;
        }
    }
    out.append(value + plain, shown - plain);
    if (length > kMaxShownText) {
        out += "...";
    }
    out += '"';
}

void appendNumber(std::string& out, long long value) {
    char text[24];
    char* end = std::to_chars(text, text + sizeof(text), value).ptr;
    out.append(text, static_cast<size_t>(end - text));
}

void appendHex(std::string& out, const void* value) {
    if (value == nullptr) {
        out += "null";
        return;
    }
    char text[2 + 2 * sizeof(uintptr_t)] = {'0', 'x'};
    char* end =
        std::to_chars(text + 2, text + sizeof(text), reinterpret_cast<uintptr_t>(value), 16).ptr;
    out.append(text, static_cast<size_t>(end - text));
}

// Copies a literal into a buffer known to be large enough; returns the end of the copy.
template <size_t N>
char* copyText(char* at, const char (&text)[N]) {
    return std::copy_n(text, N - 1, at);
}

const char* faultName(FaultKind kind) {
    switch (kind) {
        case FaultKind::kMissing:
            return "missing";
        case FaultKind::kError:
            return "error";
        case FaultKind::kWarning:
            return "warning";
    }
    return "?";
}

}  // namespace

ApiCall::ApiCall(const char* entry, sqlca* ca, CallKind kind)
    : instance_(Instance::get()),
      lock_(instance_.lock()),
      ca_(ca),
      kind_(kind),
      line_(instance_.journal().scratch()) {
    line_.reserve(kLineReserve);
    line_ += entry;
    line_ += '(';
    argsBegin_ = argsEnd_ = line_.size();
}

ApiCall::~ApiCall() {
    try {
        finishLine();
        instance_.journal().addBuilt(std::move(line_));
    } catch (...) {
        // A lost journal line must not take the caller down.
    }
}

size_t ApiCall::beginArgument(const char* name) {
    size_t start = line_.size();
    if (argsEnd_ != argsBegin_) {
        line_ += ", ";
    }
    line_ += name;
    line_ += '=';
    return start;
}

void ApiCall::endArgument(size_t start) {
    // Outputs already written stay behind the arguments.
    if (start != argsEnd_) {
        std::rotate(line_.begin() + static_cast<std::ptrdiff_t>(argsEnd_),
                    line_.begin() + static_cast<std::ptrdiff_t>(start), line_.end());
    }
    argsEnd_ += line_.size() - start;
}

ApiCall& ApiCall::text(const char* name, const char* value) {
    size_t start = beginArgument(name);
    appendQuoted(line_, value);
    endArgument(start);
    return *this;
}

ApiCall& ApiCall::secret(const char* name, const char* value) {
    size_t start = beginArgument(name);
    line_ += value == nullptr ? "null" : "***";
    endArgument(start);
    return *this;
}

ApiCall& ApiCall::num(const char* name, long long value) {
    size_t start = beginArgument(name);
    appendNumber(line_, value);
    endArgument(start);
    return *this;
}

ApiCall& ApiCall::ptr(const char* name, const void* value) {
    size_t start = beginArgument(name);
    appendHex(line_, value);
    endArgument(start);
    return *this;
}

ApiCall& ApiCall::out(const char* name, const void* value) {
    line_ += ' ';
    line_ += name;
    line_ += '=';
    appendHex(line_, value);
    return *this;
}

ApiCall& ApiCall::pointee(const char* name, const void* value) {
    line_ += " *";
    line_ += name;
    line_ += '=';
    appendHex(line_, value);
    return *this;
}

bool ApiCall::proceed() {
    checked_ = true;
    fault_ = instance_.faults().take(std::string_view(line_.data(), argsBegin_ - 1));
    if (fault_ && fault_->kind == FaultKind::kMissing) {
        rc_ = -1;
        return false;
    }
    if (kind_ == CallKind::kAdmin && ca_ == nullptr) {
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
    return true;
}

void ApiCall::setSqlca(int sqlcode, const std::string& tokens) {
    if (ca_ != nullptr && kind_ == CallKind::kAdmin) {
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
        setSqlca(code::kSuccess, std::string());
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

void ApiCall::finishLine() {
    // ") -> rc sqlcode=N" built aside and put in front of the outputs: at most ~50 bytes.
    char result[96];
    char* end = result + sizeof(result);
    char* at = copyText(result, ") -> ");
    at = std::to_chars(at, end, rc_).ptr;
    if (kind_ == CallKind::kAdmin && ca_ == nullptr) {
        at = copyText(at, " sqlca=null");
    } else if (kind_ == CallKind::kAdmin) {
        at = copyText(at, " sqlcode=");
        at = std::to_chars(at, end, ca_->sqlcode).ptr;
    }
    line_.insert(argsEnd_, result, static_cast<size_t>(at - result));
    if (fault_) {
        line_ += " fault=";
        line_ += faultName(fault_->kind);
    }
}

}  // namespace db2sim
