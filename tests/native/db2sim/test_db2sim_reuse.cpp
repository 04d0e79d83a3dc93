// What the stand-in reuses from call to call, and must not let show: the journal's lines once
// the bound is reached, a journal line that outgrows the buffer it is built in, and a scan's
// entry buffer rewritten by each sqledgne_api.
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "instancefixture.h"

namespace {

using Db2SimReuse = Db2SimInstanceTest;

constexpr size_t kJournalBound = 100000;

char* text(const std::string& value) {
    return const_cast<char*>(value.c_str());
}

int catalog(const std::string& db, const std::string& path, const std::string& comment,
            const std::string& principal, unsigned char type = SQL_INDIRECT) {
    sqlca ca = sqlca{};
    std::string node = "NODE1";
    return sqlecadb_api(text(db), nullptr, type, type == SQL_REMOTE ? text(node) : nullptr,
                        path.empty() ? nullptr : text(path), text(comment), 0, text(principal),
                        &ca);
}

// A field as DB2 hands it out: the text cut at the width, blanks after it.
std::string padded(const std::string& value, size_t width) {
    std::string field = value.substr(0, width);
    return field.append(width - field.size(), ' ');
}

TEST_F(Db2SimReuse, JournalPastItsBoundKeepsTheNewestLinesInCallOrder) {
    sqlca ca = zeroed();
    for (size_t i = 0; i < kJournalBound; ++i) {
        sqlefmem_api(&ca, nullptr);
    }
    // The ring has wrapped: these three take the places of the three oldest lines.
    sqledcls_api(101, &ca);
    sqledcls_api(102, &ca);
    sqlfrsys(nullptr);
    std::vector<std::string> lines = journal();
    ASSERT_EQ(kJournalBound, lines.size());
    EXPECT_EQ(0u, lines.front().find("sqlefmem_api(")) << lines.front();
    EXPECT_EQ(0u, lines[kJournalBound - 3].find("sqledcls_api(Handle=101) -> -1058 sqlcode=-1058"))
        << lines[kJournalBound - 3];
    EXPECT_EQ(0u, lines[kJournalBound - 2].find("sqledcls_api(Handle=102) -> -1058 sqlcode=-1058"))
        << lines[kJournalBound - 2];
    EXPECT_EQ("sqlfrsys() -> -1 sqlca=null", lines.back());

    db2sim_clear_journal();
    sqlfrsys(nullptr);
    EXPECT_EQ(std::vector<std::string>{"sqlfrsys() -> -1 sqlca=null"}, journal())
        << "a cleared journal starts over";
}

TEST_F(Db2SimReuse, LongArgumentsAreJournalledWholeAroundTheirNeighbours) {
    // 300 bytes, some escaped: far more than a line's buffer holds, cut at 256 shown bytes.
    std::string comment;
    std::string shown;
    for (int i = 0; i < 300; ++i) {
        char c = i % 50 == 0 ? '"' : i % 70 == 0 ? '\x01' : static_cast<char>('a' + i % 26);
        comment += c;
        if (i < 256) {
            shown += c == '"' ? "\\\"" : c == '\x01' ? "\\x01" : std::string(1, c);
        }
    }
    sqlca ca = zeroed();
    std::string db = "LONGDB";
    std::string path = "/data/long";
    sqlecadb_api(text(db), nullptr, SQL_INDIRECT, nullptr, text(path), text(comment), 0, nullptr,
                 &ca);
    EXPECT_EQ(0, ca.sqlcode);
    EXPECT_EQ(
        "sqlecadb_api(pDbName=\"LONGDB\", pDbAlias=null, Type=48, pNodeName=null, "
        "pPath=\"/data/long\", pComment=\"" +
            shown + "...\", Authentication=0, pPrincipal=null) -> 0 sqlcode=0",
        lastJournalLine());
}

TEST_F(Db2SimReuse, EachEntryOfAScanShowsOnlyItsOwnText) {
    // Long texts first, then entries with shorter or no texts: nothing of an earlier entry may
    // remain in the buffer the scan hands out again.
    std::string longPath = "/data/" + std::string(150, 'p');
    std::string longComment(SQL_CMT_SZ, 'c');
    std::string longPrincipal(600, 'u');
    ASSERT_EQ(0, catalog("FIRST", longPath, longComment, longPrincipal));
    ASSERT_EQ(0, catalog("SECOND", "/d", "short", "me"));
    ASSERT_EQ(0, catalog("THIRD", "", "", "", SQL_REMOTE));
    ASSERT_EQ(0, catalog("FOURTH", "", "", ""));

    std::vector<sqledinfo> entries = listDatabases().entries;
    ASSERT_EQ(5u, entries.size()) << "the home entry, then the catalogued ones in order";
    struct Expected {
        std::string alias;
        std::string drive;
        std::string intname;
        std::string nodename;
        std::string comment;
        std::string principal;
    };
    const std::vector<Expected> expected = {
        {"SAMPLE", folder_.path(), "SQL00001", "", "", ""},
        {"FIRST", longPath, "SQL00001", "", longComment, longPrincipal},
        {"SECOND", "/d", "SQL00001", "", "short", "me"},
        {"THIRD", "", "", "NODE1", "", ""},
        {"FOURTH", folder_.path(), "SQL00001", "", "", ""},
    };
    for (size_t i = 0; i < expected.size(); ++i) {
        const sqledinfo& entry = entries[i];
        const Expected& want = expected[i];
        SCOPED_TRACE(want.alias);
        EXPECT_EQ(padded(want.alias, SQL_ALIAS_SZ), field(entry.alias, SQL_ALIAS_SZ));
        EXPECT_EQ(padded(want.alias, SQL_DBNAME_SZ), field(entry.dbname, SQL_DBNAME_SZ));
        EXPECT_EQ(padded(want.drive, SQL_DRIVE_SZ), field(entry.drive, SQL_DRIVE_SZ));
        EXPECT_EQ(padded(want.intname, SQL_INAME_SZ), field(entry.intname, SQL_INAME_SZ));
        EXPECT_EQ(padded(want.nodename, SQL_NNAME_SZ), field(entry.nodename, SQL_NNAME_SZ));
        EXPECT_EQ(padded("DB2      d.00", SQL_DBTYPE_SZ), field(entry.dbtype, SQL_DBTYPE_SZ));
        EXPECT_EQ(padded(want.comment, SQL_CMT_SZ), field(entry.comment, SQL_CMT_SZ));
        EXPECT_EQ(padded("", SQL_DIR_NAME_SZ), field(entry.glbdbname, SQL_DIR_NAME_SZ));
        EXPECT_EQ(padded(want.principal, SQL_DCEPRIN_SZ),
                  field(entry.dceprincipal, SQL_DCEPRIN_SZ));
    }
}

}  // namespace
