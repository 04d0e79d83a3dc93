#include "db2sim/apicall.h"

#include <cstdio>
#include <cstring>

#include "db2sim/instance.h"
#include "db2sim/sqlcawriter.h"
#include "db2sim/sqlcodes.h"

namespace db2sim {
namespace {

constexpr size_t kMaxShownText = 256;

std::string quote(const char* value) {
    if (value == nullptr) {
        return "null";
    }
    size_t length = strnlen(value, kMaxShownText + 1);
    std::string out = "\"";
    for (size_t i = 0; i < length && i < kMaxShownText; ++i) {
        unsigned char c = static_cast<unsigned char>(value[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof(hex), "\\x%02X", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    if (length > kMaxShownText) {
        out += "...";
    }
    return out + "\"";
}

std::string hex(const void* value) {
    if (value == nullptr) {
        return "null";
    }
    char text[32];
    std::snprintf(text, sizeof(text), "0x%llx",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(value)));
    return text;
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
    : instance_(Instance::get()), lock_(instance_.lock()), entry_(entry), ca_(ca), kind_(kind) {}

ApiCall::~ApiCall() {
    try {
        instance_.journal().add(line());
    } catch (...) {
        // A lost journal line must not take the caller down.
    }
}

void ApiCall::add(const char* name, const std::string& value) {
    if (!args_.empty()) {
        args_ += ", ";
    }
    args_ += name;
    args_ += '=';
    args_ += value;
}

ApiCall& ApiCall::text(const char* name, const char* value) {
    add(name, quote(value));
    return *this;
}

ApiCall& ApiCall::secret(const char* name, const char* value) {
    add(name, value == nullptr ? "null" : "***");
    return *this;
}

ApiCall& ApiCall::num(const char* name, long long value) {
    add(name, std::to_string(value));
    return *this;
}

ApiCall& ApiCall::ptr(const char* name, const void* value) {
    add(name, hex(value));
    return *this;
}

ApiCall& ApiCall::out(const char* name, const void* value) {
    outs_ += ' ';
    outs_ += name;
    outs_ += '=';
    outs_ += hex(value);
    return *this;
}

bool ApiCall::proceed() {
    checked_ = true;
    fault_ = instance_.faults().take(entry_);
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
    return fail(code::kUnsupported, {entry_});
}

int ApiCall::finish(int result) {
    rc_ = result;
    return rc_;
}

std::string ApiCall::line() const {
    std::string text = entry_ + "(" + args_ + ") -> " + std::to_string(rc_);
    if (kind_ == CallKind::kAdmin) {
        text += ca_ == nullptr ? " sqlca=null" : " sqlcode=" + std::to_string(ca_->sqlcode);
    }
    text += outs_;
    if (fault_) {
        text += std::string(" fault=") + faultName(fault_->kind);
    }
    return text;
}

}  // namespace db2sim
