#include "commands/config/autoconfigcall.h"

#include <algorithm>
#include <cstring>

#include "db2api/db2api.h"

namespace {

const char kProductVersion[] = "1.1";

}  // namespace

AutoConfigCall::AutoConfigCall(db2Uint32 version, const t_string& alias, int apply,
                               const std::array<int, kNumElements>& values)
    : m_version(version), m_pInterface(std::make_unique<db2AutoConfigInterface>()) {
    for (std::size_t k = 0; k < kNumElements; ++k) {
        m_elements[k].token = static_cast<db2int32>(k + 1);
        m_elements[k].value = values[k];
    }
    db2AutoConfigInterface& in = *m_pInterface;
    std::memset(&in, 0, sizeof(in));
    in.iProductID = DB2_SG_PID_DEFAULT;
    std::memcpy(in.iProductVersion, kProductVersion, sizeof(kProductVersion));
    std::memcpy(in.iDbAlias, alias.data(), std::min(alias.size(), SQL_ALIAS_SZ));
    in.iApply = apply;
    in.iParams.numElements = static_cast<db2Uint32>(kNumElements);
    in.iParams.pElements = m_elements.data();
}

AutoConfigCall::~AutoConfigCall() {
    if (!m_bOutputHeld) {
        return;
    }
    // What DB2 says about freeing is not examined: there is nothing left to do about it.
    sqlca ca = zeroedSqlca();
    db2::DB2API::Instance().db2AutoConfigFreeMemory(m_version, m_pInterface.get(), &ca);
}

int AutoConfigCall::Run(sqlca& ca) {
    ca = zeroedSqlca();
    const int rc = db2::DB2API::Instance().db2AutoConfig(m_version, m_pInterface.get(), &ca);
    m_bOutputHeld = (rc >= 0);
    return rc;
}
