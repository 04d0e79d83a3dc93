#include "base/javatext.h"

#include <cstdint>
#include <cstring>

namespace tarvinex {
namespace {

void appendLatin1(std::string& out, unsigned char c) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
}

void appendUtf16Unit(std::string& out, unsigned unit) {
    if (unit != 0 && unit < 0x80) {
        out.push_back(static_cast<char>(unit));
    } else if (unit < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (unit >> 6)));
        out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (unit >> 12)));
        out.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
    }
}

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Decodes one well-formed UTF-8 sequence at p (at most `left` bytes). Returns its length, or 0
// when the bytes are not a well-formed, shortest-form, non-surrogate sequence.
std::size_t decodeUtf8(const unsigned char* p, std::size_t left, unsigned& cp) {
    const unsigned char c = p[0];
    std::size_t len;
    unsigned min;
    if (c >= 0xC2 && c <= 0xDF) {
        len = 2, cp = c & 0x1F, min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3, cp = c & 0x0F, min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4, cp = c & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (left < len) {
        return 0;
    }
    for (std::size_t i = 1; i < len; ++i) {
        if (!isContinuation(p[i])) {
            return 0;
        }
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return len;
}

// Walks the bytes as the JVM will see them: ASCII and well-formed sequences kept, every other byte
// read as Latin-1. `modified` picks the JVM's modified form (NUL as C0 80, supplementary
// characters as surrogate pairs) or standard UTF-8.
void appendText(std::string& out, const char* bytes, std::size_t length, bool modified) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    std::size_t i = 0;
    while (i < length) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            if (c == 0 && modified) {
                appendUtf16Unit(out, 0);
            } else {
                out.push_back(static_cast<char>(c));
            }
            ++i;
            continue;
        }
        unsigned cp = 0;
        const std::size_t len = decodeUtf8(p + i, length - i, cp);
        if (len == 0) {
            appendLatin1(out, c);
            ++i;
            continue;
        }
        if (cp >= 0x10000 && modified) {
            const unsigned v = cp - 0x10000;
            appendUtf16Unit(out, 0xD800 | (v >> 10));
            appendUtf16Unit(out, 0xDC00 | (v & 0x3FF));
        } else {
            out.append(bytes + i, len);
        }
        i += len;
    }
}

}  // namespace

bool isAscii(const char* bytes, std::size_t length) {
    // Eight bytes at a time: texts are short, but listings check hundreds of thousands of them.
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    std::size_t i = 0;
    for (; i + sizeof(std::uint64_t) <= length; i += sizeof(std::uint64_t)) {
        std::uint64_t word;
        std::memcpy(&word, bytes + i, sizeof(word));
        if ((word & kHighBits) != 0) {
            return false;
        }
    }
    for (; i < length; ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80) {
            return false;
        }
    }
    return true;
}

std::string toModifiedUtf8(const char* bytes, std::size_t length) {
    std::string out;
    if (bytes == nullptr) {
        return out;
    }
    out.reserve(length);
    appendText(out, bytes, length, true);
    return out;
}

void appendStandardUtf8(std::string& out, const char* bytes, std::size_t length) {
    if (bytes == nullptr) {
        return;
    }
    if (isAscii(bytes, length)) {
        out.append(bytes, length);
    } else {
        appendText(out, bytes, length, false);
    }
}

std::string toModifiedUtf8(const char* text) {
    return text == nullptr ? std::string() : toModifiedUtf8(text, std::strlen(text));
}

}  // namespace tarvinex
