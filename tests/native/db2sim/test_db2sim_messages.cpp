// The stand-in's message formatter: result codes, DB2's message shape, truncation to small
// buffers and line breaking.
#include <algorithm>

#include "db2simfixture.h"

namespace {

class Db2SimMessages : public Db2SimTest {
  protected:
    static sqlca withCode(int sqlcode, const std::string& tokens = std::string()) {
        sqlca ca = zeroed();
        ca.sqlcode = sqlcode;
        std::memcpy(ca.sqlerrmc, tokens.data(), tokens.size());
        ca.sqlerrml = static_cast<short>(tokens.size());
        return ca;
    }
};

TEST_F(Db2SimMessages, ResultCodesForBadRequests) {
    sqlca ca = withCode(-1013, "X");
    char buffer[64];
    EXPECT_EQ(-5, sqlaintp_api(nullptr, 64, 0, "db2sql.mo", &ca));
    EXPECT_EQ(-5, sqlaintp_api(buffer, 64, 0, "db2sql.mo", nullptr));
    EXPECT_EQ(-5, sqlaintp_api(buffer, 0, 0, "db2sql.mo", &ca));
    EXPECT_EQ(-5, sqlaintp_api(buffer, -3, 0, "db2sql.mo", &ca));
    EXPECT_EQ(-5, sqlaintp_api(buffer, 1, 0, "db2sql.mo", &ca)) << "no room for a line end";
    EXPECT_EQ(-4, sqlaintp_api(buffer, 64, -1, "db2sql.mo", &ca));
    EXPECT_EQ(-3, sqlaintp_api(buffer, 64, 0, "other.mo", &ca));
    EXPECT_GT(sqlaintp_api(buffer, 64, 0, "/opt/msg/db2sql.mo", &ca), 0);
    EXPECT_GT(sqlaintp_api(buffer, 64, 0, nullptr, &ca), 0);

    sqlca ok = withCode(0);
    std::memset(buffer, 'z', sizeof(buffer));
    EXPECT_EQ(-2, sqlaintp_api(buffer, 64, 0, "db2sql.mo", &ok));
}

TEST_F(Db2SimMessages, ErrorAndWarningShapes) {
    char buffer[256];
    sqlca notFound = withCode(-1013, "MYDB");
    int rc = sqlaintp_api(buffer, sizeof(buffer), 0, "db2sql.mo", &notFound);
    EXPECT_EQ("SQL1013N  No database has the alias or name \"MYDB\".  SQLSTATE=42705\n",
              std::string(buffer));
    EXPECT_EQ(static_cast<int>(std::strlen(buffer)), rc);

    sqlca security = withCode(-30082, std::string("24\xFFUSERNAME AND/OR PASSWORD INVALID"));
    EXPECT_EQ(
        "SQL30082N  The security check failed with reason \"24\" "
        "(\"USERNAME AND/OR PASSWORD INVALID\").  SQLSTATE=08001\n",
        message(security));

    sqlca noMore = withCode(1014);
    EXPECT_EQ("SQL1014W  The directory scan has no more entries.\n", message(noMore))
        << "warnings end in W; no SQLSTATE when none applies";

    sqlca shortCode = withCode(-930);
    EXPECT_EQ(0u, message(shortCode).find("SQL0930N  ")) << "ids have at least four digits";

    sqlca unknown = withCode(-4711);
    EXPECT_EQ("SQL4711N  The stand-in has no text for this message.\n", message(unknown));
}

TEST_F(Db2SimMessages, EveryKnownCodeHasATextTruncatedToAnyBufferSize) {
    for (int sqlcode :
         {-1441, -1442, -1443, -1444, -1445, -9999, -1005, -1018, -1021, -1097, -1032, -1403,
          1057,  1037,  -1311, 1312,  -1316, -1092, -5060, 1606,  1611,  1026,  -1035}) {
        sqlca ca = withCode(sqlcode, "T");
        EXPECT_EQ(std::string::npos, message(ca).find("has no text")) << sqlcode;
    }
    sqlca ca = withCode(-1013, "A_RATHER_LONG_DATABASE_NAME");
    std::string full = message(ca);
    for (short size = 2; size <= static_cast<short>(full.size() + 2); ++size) {
        char buffer[300];
        std::memset(buffer, '#', sizeof(buffer));
        int rc = sqlaintp_api(buffer, size, 0, "db2sql.mo", &ca);
        std::string text(buffer);
        ASSERT_EQ(static_cast<int>(text.size()), rc) << size;
        EXPECT_LE(text.size(), static_cast<size_t>(size - 1)) << size;
        EXPECT_EQ('\n', text.back()) << size;
        EXPECT_EQ('#', buffer[size]) << "wrote past the buffer at size " << size;
        EXPECT_EQ(0, full.compare(0, text.size() - 1, text, 0, text.size() - 1)) << size;
    }
}

TEST_F(Db2SimMessages, BreaksLinesAtTheWidth) {
    sqlca ca = withCode(-1013, "MYDB");
    std::string oneLine = message(ca);
    for (short width : {1, 7, 20, 40, 200}) {
        char buffer[512];
        ASSERT_GT(sqlaintp_api(buffer, sizeof(buffer), width, "db2sql.mo", &ca), 0);
        std::istringstream lines{std::string(buffer)};
        std::string joined;
        for (std::string line; std::getline(lines, line);) {
            EXPECT_LE(line.size(), static_cast<size_t>(width)) << width << ": " << line;
            joined += line;
        }
        EXPECT_EQ('\n', std::string(buffer).back());
        std::string expected = oneLine.substr(0, oneLine.size() - 1);
        expected.erase(std::remove(expected.begin(), expected.end(), ' '), expected.end());
        joined.erase(std::remove(joined.begin(), joined.end(), ' '), joined.end());
        EXPECT_EQ(expected, joined) << "width " << width << " lost or changed text";
    }
}

}  // namespace
