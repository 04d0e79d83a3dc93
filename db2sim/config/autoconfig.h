// db2AutoConfig: recommendations for a database and its instance from a description of the
// workload. The 8.x output items are sqlfupd, the 9.x ones db2CfgParam.
#pragma once

#include <string>
#include <vector>

#include "db2api/db2structs.h"

namespace db2sim {

struct Recommendation {
    unsigned token;
    long long value;
};

// The workload inputs, checked, and what they lead to. Everything is computed from the inputs
// and a fixed machine (8 GiB, 4 processors), so the same description always gives the same
// answer.
class AutoConfig {
  public:
    static constexpr long long kMachineMegabytes = 8192;
    static constexpr long long kProcessors = 4;
    static constexpr const char* kBufferPool = "IBMDEFAULTBP";

    // False when an element has an unknown token or a value outside that input's range.
    bool setInputs(const db2AutoConfigInput& params);

    std::vector<Recommendation> database() const;
    std::vector<Recommendation> manager() const;
    std::vector<db2AutoConfigElement> diagnostics() const;
    long long bufferPoolPages() const;

  private:
    long long input(db2int32 token) const { return inputs_[token]; }
    long long memoryPages() const;  // 4 KiB pages granted to the database
    long long applications() const;

    // Index = input token; the defaults of an interface with no elements.
    long long inputs_[DB2_SG_BP_RESIZEABLE + 1] = {0, 25, 2, 10, 60, 2, 1, 0, 10, 1, 1};
};

}  // namespace db2sim
