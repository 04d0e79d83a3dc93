#include "bridge/javastrings.h"

#include <cstring>

#include "base/javatext.h"

namespace tarvinex {
namespace {

// A surrogate encoded on its own as three bytes ED xx xx; `marker` is A0 (high) or B0 (low).
bool isSurrogate(const unsigned char* p, std::size_t left, unsigned char marker) {
    return left >= 3 && p[0] == 0xED && (p[1] & 0xF0) == marker && (p[2] & 0xC0) == 0x80;
}

unsigned decodeThreeBytes(const unsigned char* p) {
    return ((p[0] & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
}

void appendFourBytes(t_string& out, unsigned cp) {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
}

}  // namespace

jstring newJavaString(JNIEnv* env, const char* text) {
    const std::string safe = toModifiedUtf8(text != nullptr ? text : "");
    return env->NewStringUTF(safe.c_str());
}

jstring newJavaString(JNIEnv* env, const t_string& text) {
    const std::string safe = toModifiedUtf8(text.data(), text.size());
    return env->NewStringUTF(safe.c_str());
}

t_string fromModifiedUtf8(const char* chars) {
    t_string out;
    if (chars == nullptr) {
        return out;
    }
    const auto* p = reinterpret_cast<const unsigned char*>(chars);
    const std::size_t length = std::strlen(chars);
    out.reserve(length);
    std::size_t i = 0;
    while (i < length) {
        const std::size_t left = length - i;
        if (p[i] == 0xC0 && left >= 2 && p[i + 1] == 0x80) {
            out.push_back('\0');
            i += 2;
        } else if (isSurrogate(p + i, left, 0xA0) && isSurrogate(p + i + 3, left - 3, 0xB0)) {
            const unsigned high = decodeThreeBytes(p + i) - 0xD800;
            const unsigned low = decodeThreeBytes(p + i + 3) - 0xDC00;
            appendFourBytes(out, 0x10000 + (high << 10) + low);
            i += 6;
        } else {
            out.push_back(static_cast<char>(p[i]));
            ++i;
        }
    }
    return out;
}

}  // namespace tarvinex
