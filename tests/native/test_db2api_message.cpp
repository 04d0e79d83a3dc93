// Message text of an sqlca: the formatter's results and what callers read from them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "db2api/db2message.h"

namespace {

sqlca MakeSqlca(sqlint32 sqlcode, const char* tokens = "") {
    sqlca ca{};
    std::memcpy(ca.sqlcaid, "SQLCA   ", sizeof ca.sqlcaid);
    ca.sqlcabc = sizeof(sqlca);
    ca.sqlcode = sqlcode;
    ca.sqlerrml = static_cast<short>(std::strlen(tokens));
    std::memcpy(ca.sqlerrmc, tokens, std::strlen(tokens));
    return ca;
}

TEST(FormatterResult, FailuresReadAsFixedTexts) {
    const char* buf = "stale text the formatter left behind";
    for (int rc : {-1, -3, -4}) {
        EXPECT_EQ(db2::MapFormatterResult(rc, buf, -1013), "Get Error Message Failed") << rc;
    }
    EXPECT_EQ(db2::MapFormatterResult(-2, buf, 0), "No Error");
}

TEST(FormatterResult, BadSqlcaNamesTheSqlcodeInDecimal) {
    const char* buf = "ignored";
    EXPECT_EQ(db2::MapFormatterResult(-5, buf, -1013), "Unknown DB2 API Error: -1013");
    EXPECT_EQ(db2::MapFormatterResult(-5, buf, 1606), "Unknown DB2 API Error: 1606");
    EXPECT_EQ(db2::MapFormatterResult(-5, nullptr, -2147483647 - 1),
              "Unknown DB2 API Error: -2147483648");
}

TEST(FormatterResult, OtherResultsGiveTheBufferUpToItsNul) {
    const char buf[] = "SQL1013N  Not found.\n\0junk after the terminator";
    EXPECT_EQ(db2::MapFormatterResult(21, buf, -1013), "SQL1013N  Not found.\n");
    EXPECT_EQ(db2::MapFormatterResult(0, "", -1013), "");
    EXPECT_EQ(db2::MapFormatterResult(-6, "text", -1013), "text");
    EXPECT_EQ(db2::MapFormatterResult(10, nullptr, -1013), "");
}

// Against the stand-in client.
TEST(MessageText, GetErrorIsEmptyUnlessTheSqlcaFailedAndTextsComeFromTheClient) {
    const sqlca error = MakeSqlca(-1013, "NOSUCHDB");
    const std::string text = db2::GetError(error);
    EXPECT_EQ(text.rfind("SQL1013N", 0), 0u) << text;
    EXPECT_NE(text.find("NOSUCHDB"), std::string::npos) << text;
    EXPECT_EQ(db2::GetMessage(error), text);

    const std::string warning = db2::GetMessage(MakeSqlca(1014));
    EXPECT_EQ(warning.rfind("SQL1014W", 0), 0u) << warning;
    EXPECT_EQ(db2::GetError(MakeSqlca(0)), "");
    EXPECT_EQ(db2::GetError(MakeSqlca(1014)), "");
    EXPECT_EQ(db2::GetMessage(MakeSqlca(0)), "No Error");
    EXPECT_FALSE(db2::IsError(MakeSqlca(1014)));
    EXPECT_TRUE(db2::IsError(MakeSqlca(-1)));
}

}  // namespace
