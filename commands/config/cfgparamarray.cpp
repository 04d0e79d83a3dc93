#include "commands/config/cfgparamarray.h"

char* CfgParamArray::add(db2Uint32 token, std::size_t size, db2Uint32 flags) {
    buffers.push_back(std::make_unique<char[]>(size));  // value-initialised: zeroed
    sizes.push_back(size);
    char* buffer = buffers.back().get();
    params.push_back(db2CfgParam{token, buffer, flags});
    return buffer;
}

void CfgParamArray::clear() {
    params.clear();
    buffers.clear();
    sizes.clear();
}
