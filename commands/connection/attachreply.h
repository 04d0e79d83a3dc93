// The server facts DB2 hands back in the sqlca of a successful instance attachment.
//
//   sqlerrp   product signature, e.g. "SQL09074": three letters, then version, release and
//             modification digits (2, 2, 1)
//   sqlerrmc  nine tokens separated by 0xFF: region code, code page, authorisation id, node name,
//             "identity/platform", agent id, agent index, node number, number of partitions
//
// Parsing never reads past the fields (8 and 70 bytes) nor past sqlerrml; a short or malformed
// reply gives empty text and 0 for what is missing.
#pragma once

#include <cstddef>

#include "db2api/db2types.h"
#include "base/stdafx.h"

class AttachReply {
  public:
    explicit AttachReply(const sqlca& ca);

    // "VV.RR.M0" from the signature ("SQL08020" gives "08.02.00"); empty when the signature is
    // shorter than eight characters.
    const t_string& version() const { return m_version; }
    int regionCode() const { return m_regionCode; }
    int codePage() const { return m_codePage; }
    const t_string& authorizationId() const { return m_authId; }
    const t_string& nodeName() const { return m_nodeName; }
    const t_string& serverIdentity() const { return m_identity; }
    const t_string& serverPlatform() const { return m_platform; }
    int agentId() const { return m_agentId; }
    int agentIndex() const { return m_agentIndex; }
    int nodeNumber() const { return m_nodeNumber; }
    int numberOfPartitions() const { return m_partitions; }

    // The decimal value of a token: blanks are skipped, reading stops at any other non-digit,
    // and a value beyond int saturates at INT_MAX. "1 2" gives 12; empty text gives 0.
    static int stoi(const char* text, std::size_t length);
    // The version text of a product signature of `length` bytes at most (stops at a NUL).
    static t_string versionText(const char* signature, std::size_t length);

  private:
    t_string m_version;
    int m_regionCode = 0;
    int m_codePage = 0;
    t_string m_authId;
    t_string m_nodeName;
    t_string m_identity;
    t_string m_platform;
    int m_agentId = 0;
    int m_agentIndex = 0;
    int m_nodeNumber = 0;
    int m_partitions = 0;
};
