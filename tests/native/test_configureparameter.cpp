// Configuration values: type names, buffer sizes, rendering what DB2 wrote and converting what
// the user typed.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

#include "commands/config/cfgparamarray.h"
#include "commands/config/configureparameter.h"

namespace {

using CP = CDB2ConfigureParameter;

StructDBConfigInfo item(DBConfigInfoDataType type, int dataSize = 0) {
    StructDBConfigInfo info;
    info.name = "p";
    info.DataType = type;
    info.DataSize = dataSize;
    return info;
}

template <typename T>
t_string render(DBConfigInfoDataType type, T value) {
    char buffer[8] = {};
    std::memcpy(buffer, &value, sizeof(value));
    return CP::GetItemValue(item(type), buffer, sizeof(buffer));
}

// Converts text into a fresh buffer of the item's size; the buffer is empty when refused.
std::vector<char> store(const StructDBConfigInfo& info, const t_string& text, bool* ok) {
    std::vector<char> buffer(static_cast<std::size_t>(CP::GetItemAllocSize(info)));
    *ok = CP::SetItemValue(info, text, buffer.data(), buffer.size());
    return buffer;
}

// The value stored for text, or nothing when the conversion was refused.
template <typename T>
std::optional<T> stored(DBConfigInfoDataType type, const t_string& text) {
    bool ok = false;
    const std::vector<char> buffer = store(item(type), text, &ok);
    T value{};
    std::memcpy(&value, buffer.data(), sizeof(value));
    return ok ? std::optional<T>(value) : std::nullopt;
}

TEST(ConfigureParameterTypes, NamesIgnoreCaseAndUnknownNamesAreNotTokens) {
    EXPECT_EQ(CP::getDataType("CHAR"), CharString);
    EXPECT_EQ(CP::getDataType("Char"), CharString);
    EXPECT_EQ(CP::getDataType("UInt64"), Uint64);
    EXPECT_EQ(CP::getDataType("float"), Float);
    EXPECT_EQ(CP::getDataType("int"), NotAToken);
    EXPECT_EQ(CP::getDataType("string"), NotAToken);
    EXPECT_EQ(CP::getDataType(""), NotAToken);
    EXPECT_EQ(CP::getDataType("char "), NotAToken);
}

// A catalogue may claim any type for a token DB2 writes at 216 bytes.
TEST(ConfigureParameterSizes, EveryTypeHasTheStringFloor) {
    EXPECT_EQ(CP::GetItemAllocSize(item(CharString, 8)), CP::kMinStringBuffer);
    EXPECT_EQ(CP::GetItemAllocSize(item(CharString, 0)), CP::kMinStringBuffer);
    EXPECT_EQ(CP::GetItemAllocSize(item(CharString, 2000)), 2001);
    EXPECT_EQ(CP::GetItemAllocSize(item(Uint16)), CP::kMinStringBuffer);
    EXPECT_EQ(CP::GetItemAllocSize(item(Float)), CP::kMinStringBuffer);
    EXPECT_EQ(CP::GetItemAllocSize(item(Uint64)), CP::kMinStringBuffer);
    // Unusable items get no buffer.
    EXPECT_EQ(CP::GetItemAllocSize(item(NotAToken)), 0);
    EXPECT_EQ(CP::GetItemAllocSize(item(CharString, -1)), 0);
    EXPECT_EQ(CP::GetItemAllocSize(item(Uint32, -5)), 0);
    EXPECT_EQ(CP::GetItemAllocSize(item(CharString, std::numeric_limits<int>::max())), 0);
    EXPECT_FALSE(CP::isUsable(item(static_cast<DBConfigInfoDataType>(42))));
}

TEST(ConfigureParameterRendering, NumbersAsDB2UsersKnowThem) {
    EXPECT_EQ(render(Uint32, std::uint32_t{4294967295u}), "-1");
    EXPECT_EQ(render(Uint16, std::uint16_t{65535}), "65535");
    EXPECT_EQ(render(Sint16, std::int16_t{-5}), "-5");
    EXPECT_EQ(render(Sint32, std::int32_t{-70000}), "-70000");
    EXPECT_EQ(render(Uint64, std::int64_t{-7}), "7");
    EXPECT_EQ(render(Uint64, std::int64_t{1} << 40), "1099511627776");
    EXPECT_EQ(render(Float, 0.5f), "0.500000");
    EXPECT_EQ(render(Uint16_YesNo, std::uint16_t{0}), "No");
    EXPECT_EQ(render(Uint16_YesNo, std::uint16_t{1}), "Yes");
    EXPECT_EQ(render(Uint16_YesNo, std::uint16_t{7}), "Yes");
    EXPECT_EQ(render(Uint64, std::numeric_limits<std::int64_t>::min()), "9223372036854775808");
}

TEST(ConfigureParameterRendering, StringsStopAtNulOrTheBufferEnd) {
    const StructDBConfigInfo text = item(CharString, 8);
    char empty[9] = {};
    EXPECT_EQ(CP::GetItemValue(text, empty, sizeof(empty)), "");
    char word[9] = "abc";
    EXPECT_EQ(CP::GetItemValue(text, word, sizeof(word)), "abc");
    // No NUL inside the buffer: exactly its bytes, nothing beyond (the heap copy lets a
    // sanitizer see an overrun).
    std::vector<char> full(4, 'x');
    EXPECT_EQ(CP::GetItemValue(text, full.data(), full.size()), "xxxx");
}

TEST(ConfigureParameterRendering, ShortOrMissingBuffersRenderNothing) {
    const std::int64_t value = 42;
    EXPECT_EQ(CP::GetItemValue(item(Uint64), reinterpret_cast<const char*>(&value), 4), "");
    EXPECT_EQ(CP::GetItemValue(item(Uint32), nullptr, 4), "");
    EXPECT_EQ(CP::GetItemValue(item(NotAToken), "abc", 4), "");
}

TEST(ConfigureParameterConversion, StringsAreCutToDataSize) {
    bool ok = false;
    const std::vector<char> buffer = store(item(CharString, 8), "ABCDEFGHIJKL", &ok);
    EXPECT_TRUE(ok);
    EXPECT_STREQ(buffer.data(), "ABCDEFGH");
    const std::vector<char> none = store(item(CharString, 0), "abc", &ok);
    EXPECT_TRUE(ok);
    EXPECT_STREQ(none.data(), "");
}

TEST(ConfigureParameterConversion, NumbersTakeTheirTypesWidthAndRange) {
    EXPECT_EQ(stored<std::uint16_t>(Uint16, "100"), 100);
    EXPECT_EQ(stored<std::uint32_t>(Uint32, "-1"), 4294967295u);
    EXPECT_EQ(stored<std::int16_t>(Sint16, " -32768"), -32768);
    EXPECT_EQ(stored<std::int64_t>(Uint64, "8589934592"), std::int64_t{8589934592});
    EXPECT_EQ(stored<float>(Float, "0.25"), 0.25f);
    EXPECT_EQ(stored<std::uint16_t>(Uint16, "12abc"), 12);
}

TEST(ConfigureParameterConversion, NotANumberOrOutOfRangeIsRefused) {
    for (const char* text : {"", "abc", "AUTOMATIC", " ", "-"}) {
        EXPECT_EQ(stored<std::uint32_t>(Uint32, text), std::nullopt) << '"' << text << '"';
    }
    EXPECT_EQ(stored<std::uint16_t>(Uint16, "70000"), std::nullopt);
    EXPECT_EQ(stored<std::int16_t>(Sint16, "32768"), std::nullopt);
    EXPECT_EQ(stored<std::uint16_t>(Uint16, "-32769"), std::nullopt);
    EXPECT_EQ(stored<std::int32_t>(Sint32, "2147483648"), std::nullopt);
    EXPECT_EQ(stored<std::int64_t>(Uint64, "99999999999999999999"), std::nullopt);
    EXPECT_EQ(stored<float>(Float, "1e50"), std::nullopt);
}

TEST(ConfigureParameterConversion, UnusableItemsAndShortBuffersAreRefused) {
    char buffer[2] = {};
    EXPECT_FALSE(CP::SetItemValue(item(Uint32), "1", buffer, sizeof(buffer)));
    EXPECT_FALSE(CP::SetItemValue(item(NotAToken), "1", buffer, sizeof(buffer)));
    EXPECT_FALSE(CP::SetItemValue(item(CharString, -1), "1", buffer, sizeof(buffer)));
}

TEST(CfgParamArray, EntriesPointAtTheirOwnZeroedBuffers) {
    CfgParamArray array;
    EXPECT_EQ(array.data(), nullptr);
    for (db2Uint32 token = 1; token <= 100; ++token) {
        array.add(token, 16, db2CfgDelayed);
    }
    ASSERT_EQ(array.count(), 100u);
    for (std::size_t i = 0; i < 100; ++i) {
        const db2CfgParam& entry = array.at(i);
        EXPECT_EQ(entry.token, i + 1);
        EXPECT_EQ(entry.flags, db2CfgDelayed);
        EXPECT_EQ(array.bufferSize(i), 16u);
        EXPECT_EQ(std::memcmp(entry.ptrvalue, std::vector<char>(16).data(), 16), 0);
        if (i > 0) {
            EXPECT_NE(entry.ptrvalue, array.at(i - 1).ptrvalue);
        }
    }
    array.clear();
    EXPECT_EQ(array.count(), 0u);
}

}  // namespace
