// The db2CfgParam entries of one db2CfgGet or db2CfgSet call with the value buffers they point
// to. The array owns the buffers; entry pointers stay valid while it lives.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "db2api/db2structs.h"

class CfgParamArray {
  public:
    // Appends an entry with a zeroed buffer of `size` bytes and returns the buffer.
    char* add(db2Uint32 token, std::size_t size, db2Uint32 flags);
    void clear();

    db2Uint32 count() const { return static_cast<db2Uint32>(params.size()); }
    // The array to hand to DB2; null when empty.
    db2CfgParam* data() { return params.empty() ? nullptr : params.data(); }
    const db2CfgParam& at(std::size_t i) const { return params[i]; }
    std::size_t bufferSize(std::size_t i) const { return sizes[i]; }

  private:
    std::vector<db2CfgParam> params;
    std::vector<std::unique_ptr<char[]>> buffers;
    std::vector<std::size_t> sizes;
};
