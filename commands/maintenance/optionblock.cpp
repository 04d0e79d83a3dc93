#include "commands/maintenance/optionblock.h"

#include <algorithm>
#include <cstring>

void OptionBlock::addNumber(sqluint32 type, sqluintptr value) {
    pairs.push_back(sqloptions{type, value});
}

bool OptionBlock::addText(sqluint32 type, const t_string& text) {
    if (text.size() > kMaxText) {
        return false;
    }
    texts.push_back(std::make_unique<std::vector<char>>(lengthPrefixed(text)));
    addNumber(type, reinterpret_cast<sqluintptr>(texts.back()->data()));
    return true;
}

std::vector<char> OptionBlock::lengthPrefixed(const t_string& text) {
    const auto length = static_cast<sqluint16>(std::min(text.size(), kMaxText));
    std::vector<char> buffer(sizeof(length) + length + 1, '\0');
    std::memcpy(buffer.data(), &length, sizeof(length));
    std::memcpy(buffer.data() + sizeof(length), text.data(), length);
    return buffer;
}

sqlopt* OptionBlock::build(sqluint32 allocated, std::size_t room) {
    room = std::max(room, pairs.size());
    const std::size_t size =
        std::max(offsetof(sqlopt, option) + room * sizeof(sqloptions), sizeof(sqlopt));
    block.reset(static_cast<sqlopt*>(std::calloc(1, size)));
    if (block == nullptr) {
        return nullptr;
    }
    block->header.allocated = allocated;
    block->header.used = static_cast<sqluint32>(pairs.size());
    // Pairs past the first run beyond the declared array; address them within the block.
    auto* first = reinterpret_cast<unsigned char*>(block.get()) + offsetof(sqlopt, option);
    if (!pairs.empty()) {
        std::memcpy(first, pairs.data(), pairs.size() * sizeof(sqloptions));
    }
    return block.get();
}
