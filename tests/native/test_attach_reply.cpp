#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <sstream>
#include <string>

#include "commands/connection/attachreply.h"

namespace {

// An sqlca as DB2 leaves it after an attach: signature, tokens joined by 0xFF, sqlerrml set.
sqlca reply(const char* signature, const std::string& tokens) {
    sqlca ca;
    std::memset(&ca, 0, sizeof(ca));
    std::memcpy(ca.sqlerrp, signature, strnlen(signature, sizeof(ca.sqlerrp)));
    const std::size_t n = tokens.size() < sizeof(ca.sqlerrmc) ? tokens.size() : sizeof(ca.sqlerrmc);
    std::memcpy(ca.sqlerrmc, tokens.data(), n);
    ca.sqlerrml = static_cast<short>(n);
    return ca;
}

std::string joined(std::initializer_list<const char*> tokens) {
    std::string out;
    bool first = true;
    for (const char* t : tokens) {
        if (!first) {
            out += kSqlerrmcSeparator;
        }
        first = false;
        out += t;
    }
    return out;
}

const std::string kFullReply =
    joined({"1", "1208", "DB2INST1", "DB2INST1", "DB2/LINUXX8664", "17", "3", "0", "1"});

// Every field but the version, in order, joined by '|'.
std::string fields(const AttachReply& r) {
    std::ostringstream out;
    out << r.regionCode() << '|' << r.codePage() << '|' << r.authorizationId() << '|'
        << r.nodeName() << '|' << r.serverIdentity() << '|' << r.serverPlatform() << '|'
        << r.agentId() << '|' << r.agentIndex() << '|' << r.nodeNumber() << '|'
        << r.numberOfPartitions();
    return out.str();
}

const char kEmpty[] = "0|0|||||0|0|0|0";

bool hasSeparator(const std::string& s) {
    return s.find(kSqlerrmcSeparator) != std::string::npos;
}

}  // namespace

TEST(AttachReply, WellFormedReply) {
    const AttachReply r(reply("SQL08020", kFullReply));
    EXPECT_EQ(r.version(), "08.02.00");
    EXPECT_EQ(fields(r), "1|1208|DB2INST1|DB2INST1|DB2|LINUXX8664|17|3|0|1");
    EXPECT_EQ(AttachReply(reply("SQL09074", kFullReply)).version(), "09.07.40");
}

TEST(AttachReply, ShortMissingOrEmptyPartsGiveEmptyAndZeroAndNoSeparatorLeaks) {
    EXPECT_EQ(AttachReply(reply("SQL0802", kFullReply)).version(), "");
    EXPECT_EQ(AttachReply(reply("", kFullReply)).version(), "");
    EXPECT_EQ(fields(AttachReply(reply("SQL09074", ""))), kEmpty);
    EXPECT_EQ(fields(AttachReply(reply("SQL09074", joined({"1", "819", "ME"})))),
              "1|819|ME||||0|0|0|0");
    EXPECT_EQ(fields(AttachReply(reply("SQL09074", joined({"1", "2", "A", "N", "DB2"})))),
              "1|2|A|N|DB2||0|0|0|0");
    EXPECT_EQ(
        fields(AttachReply(reply("SQL09074", joined({"", "", "", "NODE", "", "", "", "", "4"})))),
        "0|0||NODE|||0|0|0|4");
    EXPECT_EQ(fields(AttachReply(reply("SQL09074", std::string(20, kSqlerrmcSeparator)))), kEmpty);
}

TEST(AttachReply, StaysWithinTheFieldAndSqlerrml) {
    // 70 bytes and no NUL: everything comes from inside sqlerrmc, sqlerrp is not read as text.
    std::string longest = joined({"1", "2", "", "", "X/"});
    longest += std::string(70 - longest.size(), 'P');
    sqlca ca = reply("SQL09074", longest);
    ca.sqlerrml = 32767;
    const AttachReply r(ca);
    EXPECT_EQ(r.serverPlatform().size(), 70 - longest.find('/') - 1);
    EXPECT_EQ(r.serverPlatform().find('S'), std::string::npos);
    EXPECT_FALSE(hasSeparator(r.serverPlatform()));

    sqlca cut = reply("SQL09074", kFullReply);
    cut.sqlerrml = 6;  // "1", "1208", cut
    const AttachReply shortened(cut);
    EXPECT_EQ(shortened.codePage(), 1208);
    EXPECT_EQ(shortened.authorizationId(), "");

    sqlca none = reply("SQL09074", kFullReply);
    none.sqlerrml = -1;
    EXPECT_EQ(fields(AttachReply(none)), kEmpty);
}

TEST(AttachReply, NumberTokens) {
    auto value = [](const char* s) { return AttachReply::stoi(s, std::strlen(s)); };
    EXPECT_EQ(value("1 2"), 12);
    EXPECT_EQ(value("  42 "), 42);
    EXPECT_EQ(value(""), 0);
    EXPECT_EQ(value("12abc3"), 12);
    EXPECT_EQ(value("-5"), 0);
    EXPECT_EQ(value("2147483647"), INT_MAX);
    EXPECT_EQ(value("2147483648"), INT_MAX);
    EXPECT_EQ(value("99999999999999999999"), INT_MAX);
}
