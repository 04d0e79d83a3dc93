#include "base/javatext.h"

#include <gtest/gtest.h>

#include <string>

using tarvinex::toModifiedUtf8;

namespace {

// True when every byte sequence is one the JVM accepts as modified UTF-8.
bool isModifiedUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c == 0) {
            return false;
        }
        std::size_t len = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : 0;
        if (len == 0 || i + len > s.size()) {
            return false;
        }
        for (std::size_t k = 1; k < len; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += len;
    }
    return true;
}

}  // namespace

TEST(JavaText, AsciiAndWellFormedUtf8AreKeptAndInvalidBytesAreReadAsLatin1) {
    EXPECT_EQ(toModifiedUtf8("SQL1013N  text"), "SQL1013N  text");
    EXPECT_EQ(toModifiedUtf8("caf\xC3\xA9"), "caf\xC3\xA9");
    EXPECT_EQ(toModifiedUtf8(nullptr), "");
    EXPECT_EQ(toModifiedUtf8("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(toModifiedUtf8("\xFF"), "\xC3\xBF");
    // An encoded surrogate and an over-long form are not UTF-8: byte by byte.
    EXPECT_TRUE(isModifiedUtf8(toModifiedUtf8("\xED\xA0\x80")));
    EXPECT_EQ(toModifiedUtf8("\xC0\xAF"), "\xC3\x80\xC2\xAF");
    // A sequence cut short by the end of the text.
    EXPECT_EQ(toModifiedUtf8("a\xC3"), "a\xC3\x83");
}

TEST(JavaText, SupplementaryCharactersBecomeSurrogatePairsAndNulTheTwoByteForm) {
    const std::string out = toModifiedUtf8("\xF0\x9F\x98\x80");
    EXPECT_EQ(out, "\xED\xA0\xBD\xED\xB8\x80");
    EXPECT_TRUE(isModifiedUtf8(out));
    const char bytes[] = {'a', 0, 'b'};
    EXPECT_EQ(toModifiedUtf8(bytes, 3), std::string("a\xC0\x80"
                                                    "b"));
}

TEST(JavaText, EveryByteValueGivesValidOutput) {
    std::string all;
    for (int c = 1; c < 256; ++c) {
        all.push_back(static_cast<char>(c));
    }
    EXPECT_TRUE(isModifiedUtf8(toModifiedUtf8(all.data(), all.size())));
}

TEST(JavaText, StandardFormKeepsNulAndFourByteSequences) {
    std::string out = "x";
    const char bytes[] = {'a', 0, '\xF0', '\x9F', '\x98', '\x80', '\xE9', '\xC3'};
    tarvinex::appendStandardUtf8(out, bytes, sizeof(bytes));
    EXPECT_EQ(out, std::string("xa\0\xF0\x9F\x98\x80\xC3\xA9\xC3\x83", 11));
    tarvinex::appendStandardUtf8(out, nullptr, 4);
    EXPECT_EQ(out.size(), 11u);
}
