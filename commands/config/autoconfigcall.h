// One db2AutoConfig call and the memory around it. The interface and its ten input elements are
// owned here; the output DB2 hands back is released through db2AutoConfigFreeMemory when this
// object goes, so no path between the call and the end of the command can leak it. A warning
// result comes with output as well, so it is released for 0 and for any positive result.
#pragma once

#include <array>
#include <memory>

#include "db2api/db2structs.h"
#include "base/stdafx.h"

class AutoConfigCall {
  public:
    static constexpr std::size_t kNumElements = 10;

    // values[k] is the value of input token k + 1 (DB2_SG_MEMORY_PERCENTAGE ...
    // DB2_SG_BP_RESIZEABLE), passed unchanged. alias must be at most SQL_ALIAS_SZ characters;
    // longer text is cut (the caller refuses it first).
    AutoConfigCall(db2Uint32 version, const t_string& alias, int apply,
                   const std::array<int, kNumElements>& values);
    AutoConfigCall(const AutoConfigCall&) = delete;
    AutoConfigCall& operator=(const AutoConfigCall&) = delete;
    ~AutoConfigCall();

    // Calls db2AutoConfig once; returns its result.
    int Run(sqlca& ca);
    const db2AutoConfigInterface& get() const { return *m_pInterface; }

  private:
    db2Uint32 m_version;
    std::array<db2AutoConfigElement, kNumElements> m_elements{};
    std::unique_ptr<db2AutoConfigInterface> m_pInterface;
    bool m_bOutputHeld = false;
};
