#include "commands/connection/attachreply.h"

#include <climits>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kSignatureLength = sizeof(sqlca::sqlerrp);
constexpr std::size_t kTokensLength = sizeof(sqlca::sqlerrmc);

enum Token {
    kRegionCode,
    kCodePage,
    kAuthId,
    kNodeName,
    kIdentityPlatform,
    kAgentId,
    kAgentIndex,
    kNodeNumber,
    kPartitions,
    kTokenCount
};

// The used part of a fixed field: at most `limit` bytes, cut at the first NUL.
std::size_t usedLength(const char* field, std::size_t limit) {
    const void* nul = std::memchr(field, '\0', limit);
    return nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : limit;
}

// sqlerrml bounds sqlerrmc; 0 (or nonsense) means nothing in it is meant for us.
std::size_t tokensLength(const sqlca& ca) {
    if (ca.sqlerrml <= 0) {
        return 0;
    }
    const std::size_t declared = static_cast<std::size_t>(ca.sqlerrml);
    return usedLength(ca.sqlerrmc, declared < kTokensLength ? declared : kTokensLength);
}

// Every 0xFF separates two tokens, so empty tokens stay in place.
std::vector<t_string> splitTokens(const char* text, std::size_t length) {
    std::vector<t_string> tokens(1);
    for (std::size_t i = 0; i < length; ++i) {
        if (text[i] == kSqlerrmcSeparator) {
            tokens.emplace_back();
        } else {
            tokens.back().push_back(text[i]);
        }
    }
    tokens.resize(kTokenCount);
    return tokens;
}

int tokenValue(const t_string& token) {
    return AttachReply::stoi(token.data(), token.size());
}

}  // namespace

AttachReply::AttachReply(const sqlca& ca) : m_version(versionText(ca.sqlerrp, kSignatureLength)) {
    const std::vector<t_string> tokens = splitTokens(ca.sqlerrmc, tokensLength(ca));
    m_regionCode = tokenValue(tokens[kRegionCode]);
    m_codePage = tokenValue(tokens[kCodePage]);
    m_authId = tokens[kAuthId];
    m_nodeName = tokens[kNodeName];
    const t_string& server = tokens[kIdentityPlatform];
    const std::size_t slash = server.find('/');
    m_identity = server.substr(0, slash);
    m_platform = slash == t_string::npos ? t_string() : server.substr(slash + 1);
    m_agentId = tokenValue(tokens[kAgentId]);
    m_agentIndex = tokenValue(tokens[kAgentIndex]);
    m_nodeNumber = tokenValue(tokens[kNodeNumber]);
    m_partitions = tokenValue(tokens[kPartitions]);
}

int AttachReply::stoi(const char* text, std::size_t length) {
    int value = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const char c = text[i];
        if (c == ' ') {
            continue;
        }
        if (c < '0' || c > '9') {
            break;
        }
        const int digit = c - '0';
        if (value > (INT_MAX - digit) / 10) {
            return INT_MAX;
        }
        value = value * 10 + digit;
    }
    return value;
}

t_string AttachReply::versionText(const char* signature, std::size_t length) {
    if (usedLength(signature, length) < kSignatureLength) {
        return t_string();
    }
    const char* s = signature;
    return t_string{s[3], s[4], '.', s[5], s[6], '.', s[7], '0'};
}
