// The database and DCS directories of the stand-in: sqlecadb_api, sqleuncd_api, sqledosd_api,
// sqledgne_api, sqledcls_api, sqlegins_api and sqlegdad_api .. sqlegdcl_api.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "instancefixture.h"

namespace {

using Db2SimDbDirectory = Db2SimInstanceTest;
using Db2SimDcsDirectory = Db2SimInstanceTest;

char* text(const char* value) {
    return const_cast<char*>(value);
}

int catalog(const char* db, const char* alias, unsigned char type, const char* node,
            const char* path = nullptr, const char* comment = nullptr) {
    sqlca ca = sqlca{};
    return sqlecadb_api(text(db), text(alias), type, text(node), text(path), text(comment), 0,
                        nullptr, &ca);
}

int uncatalog(const char* alias, sqlca& ca) {
    ca = sqlca{};
    return sqleuncd_api(text(alias), &ca);
}

std::string trimmed(const char* data, size_t size) {
    std::string value(data, size);
    return value.erase(value.find_last_not_of(' ') + 1);
}

TEST_F(Db2SimDbDirectory, FreshDirectoryHoldsTheHomeEntryBlankPadded) {
    DbListing listing = listDatabases();
    ASSERT_EQ(0, listing.openRc);
    ASSERT_EQ(1, listing.count);
    ASSERT_EQ(1u, listing.entries.size());
    // Its text fields, blank-padded: Db2SimReuse.EachEntryOfAScanShowsOnlyItsOwnText.
    EXPECT_EQ(SQL_HOME, listing.entries[0].type);
    EXPECT_EQ(0, listing.entries[0].cat_nodenum);
    EXPECT_EQ(0, db2sim_counter("scans"));
}

TEST_F(Db2SimDbDirectory, CatalogsRemoteAndIndirectEntriesAndRefusesWhatDb2Refuses) {
    ASSERT_EQ(0, catalog("remdb", "rem", SQL_REMOTE, "node1", nullptr, "a comment"));
    ASSERT_EQ(0, catalog("ind", nullptr, SQL_INDIRECT, nullptr, "/data/x"));
    EXPECT_EQ(-1005, catalog("other", "REM", SQL_INDIRECT, nullptr)) << "aliases are upper case";
    EXPECT_EQ(-1005, catalog("sample", nullptr, SQL_INDIRECT, nullptr)) << "the home alias";
    EXPECT_EQ(-1001, catalog("", nullptr, SQL_INDIRECT, nullptr));
    EXPECT_EQ(-1001, catalog("NINECHARS", nullptr, SQL_INDIRECT, nullptr));
    EXPECT_EQ(-1000, catalog("db", "bad alias", SQL_INDIRECT, nullptr));
    EXPECT_EQ(-1012, catalog("db", nullptr, SQL_REMOTE, nullptr));
    EXPECT_EQ(-1010, catalog("db", nullptr, SQL_HOME, nullptr));
    sqlca ca = sqlca{};
    EXPECT_EQ(-1070,
              sqlecadb_api(nullptr, nullptr, '0', nullptr, nullptr, nullptr, 0, nullptr, &ca));

    DbListing listing = listDatabases();
    ASSERT_EQ(3u, listing.entries.size());
    const sqledinfo& remote = listing.entries[1];
    EXPECT_EQ("REM     ", field(remote.alias, SQL_ALIAS_SZ));
    EXPECT_EQ("REMDB   ", field(remote.dbname, SQL_DBNAME_SZ));
    EXPECT_EQ("NODE1   ", field(remote.nodename, SQL_NNAME_SZ));
    EXPECT_EQ(SQL_REMOTE, remote.type);
    EXPECT_EQ(-1, remote.cat_nodenum);
    EXPECT_EQ("a comment", trimmed(remote.comment, SQL_CMT_SZ));
    const sqledinfo& indirect = listing.entries[2];
    EXPECT_EQ("IND     ", field(indirect.alias, SQL_ALIAS_SZ)) << "no alias: the database name";
    EXPECT_EQ("/data/x", trimmed(indirect.drive, SQL_DRIVE_SZ));
    EXPECT_EQ(SQL_INDIRECT, indirect.type);
}

TEST_F(Db2SimDbDirectory, FullWidthFieldsFillTheirWidthWithoutTerminator) {
    std::string comment(SQL_CMT_SZ, 'c');
    ASSERT_EQ(0, catalog("EIGHTCHR", "ALIAS_88", SQL_REMOTE, "NODE_888", nullptr,
                         (comment + "cut").c_str()));
    DbListing listing = listDatabases();
    ASSERT_EQ(2u, listing.entries.size());
    const sqledinfo& entry = listing.entries[1];
    EXPECT_EQ("ALIAS_88", field(entry.alias, SQL_ALIAS_SZ));
    EXPECT_EQ("EIGHTCHR", field(entry.dbname, SQL_DBNAME_SZ));
    EXPECT_EQ("NODE_888", field(entry.nodename, SQL_NNAME_SZ));
    EXPECT_EQ(comment, field(entry.comment, SQL_CMT_SZ)) << "a longer comment is cut";
    EXPECT_EQ(std::string(SQL_DRIVE_SZ, ' '), field(entry.drive, SQL_DRIVE_SZ));
}

TEST_F(Db2SimDbDirectory, UncatalogRemovesOnlyCataloguedEntries) {
    ASSERT_EQ(0, catalog("db1", "a1", SQL_INDIRECT, nullptr));
    sqlca ca;
    EXPECT_EQ(0, uncatalog("a1  ", ca)) << "trailing blanks do not count";
    EXPECT_EQ(-1013, uncatalog("a1", ca));
    EXPECT_EQ("SQL1013N  No database has the alias or name \"a1\".  SQLSTATE=42705\n", message(ca));
    EXPECT_EQ(-1050, uncatalog("SAMPLE", ca)) << "the instance's own database stays";
    EXPECT_EQ(-1071, sqleuncd_api(nullptr, &ca));
    EXPECT_EQ(1u, listDatabases().entries.size());
}

TEST_F(Db2SimDbDirectory, ScansSeeTheDirectoryAsOpenedAndAreCountedLive) {
    sqlca ca = sqlca{};
    unsigned short first = 0;
    unsigned short count = 0;
    ASSERT_EQ(0, sqledosd_api(nullptr, &first, &count, &ca));
    ASSERT_EQ(0, catalog("late", nullptr, SQL_INDIRECT, nullptr));
    EXPECT_EQ(1, db2sim_counter("scans"));

    unsigned short second = 0;
    ASSERT_EQ(0, sqledosd_api(nullptr, &second, &count, &ca));
    EXPECT_NE(first, second);
    EXPECT_EQ(2, count);
    EXPECT_EQ(2, db2sim_counter("scans"));

    sqledinfo* entry = nullptr;
    ASSERT_EQ(0, sqledgne_api(first, &entry, &ca));
    sqledinfo* again = entry;
    EXPECT_EQ(1014, sqledgne_api(first, &entry, &ca)) << "the late entry is not in the first scan";
    EXPECT_EQ(again, entry) << "the end leaves the pointer alone";
    EXPECT_EQ(0, sqledcls_api(first, &ca));
    EXPECT_EQ(-1058, sqledgne_api(first, &entry, &ca)) << "closed";
    EXPECT_EQ(-1058, sqledcls_api(first, &ca));
    EXPECT_EQ(0, sqledcls_api(second, &ca));
    EXPECT_EQ(0, db2sim_counter("scans"));
}

TEST_F(Db2SimDbDirectory, OpenRefusesBadArgumentsAndTooManyScans) {
    sqlca ca = sqlca{};
    unsigned short handle = 0;
    unsigned short count = 0;
    EXPECT_EQ(-1077, sqledosd_api(nullptr, nullptr, &count, &ca));
    EXPECT_EQ(-1076, sqledosd_api(nullptr, &handle, nullptr, &ca));
    EXPECT_EQ(-1031, sqledosd_api(text("/elsewhere"), &handle, &count, &ca));
    std::vector<unsigned short> handles;
    while (sqledosd_api(nullptr, &handle, &count, &ca) == 0) {
        handles.push_back(handle);
        ASSERT_LT(handles.size(), 100u);
    }
    EXPECT_EQ(-1056, ca.sqlcode);
    EXPECT_EQ(static_cast<long>(handles.size()), db2sim_counter("scans"));
    resetInstance();
    EXPECT_EQ(0, db2sim_counter("scans")) << "a reset closes every scan";
}

TEST_F(Db2SimDbDirectory, EmptyDirectoryWarnsOnOpen) {
    TemporaryFolder empty;
    std::FILE* file = std::fopen((empty.path() + "/databases").c_str(), "w");  // no databases
    ASSERT_NE(nullptr, file);
    std::fclose(file);
    ScopedEnv home("DB2SIM_HOME", empty.path());
    resetInstance();
    DbListing listing = listDatabases();
    EXPECT_EQ(1057, listing.openRc) << "the scan is open all the same";
    EXPECT_EQ(0, listing.count);
    EXPECT_TRUE(listing.entries.empty());
}

TEST_F(Db2SimDbDirectory, CataloguesPersistInTheStateFolder) {
    ASSERT_EQ(0, catalog("kept", "keep", SQL_REMOTE, "n1", nullptr, "tab\there"));
    resetInstance();  // reads the state folder again
    DbListing listing = listDatabases();
    ASSERT_EQ(2u, listing.entries.size());
    EXPECT_EQ("KEEP    ", field(listing.entries[1].alias, SQL_ALIAS_SZ));
    EXPECT_EQ("tab\there", trimmed(listing.entries[1].comment, SQL_CMT_SZ));
}

TEST_F(Db2SimDbDirectory, FillCataloguesManyEntriesInOrder) {
    constexpr long kEntries = 70000;
    ASSERT_EQ(0, db2sim_fill_database_directory(kEntries));
    EXPECT_EQ(-1, db2sim_fill_database_directory(-1));
    DbListing listing = listDatabases();
    EXPECT_EQ(65535, listing.count) << "the count is 16-bit";
    ASSERT_EQ(static_cast<size_t>(kEntries + 1), listing.entries.size()) << "the scan goes on";
    EXPECT_EQ("D0000001", field(listing.entries[1].alias, SQL_ALIAS_SZ));
    EXPECT_EQ("D0070000", field(listing.entries.back().alias, SQL_ALIAS_SZ));
    EXPECT_EQ(SQL_INDIRECT, listing.entries.back().type);
    EXPECT_EQ(-1005, catalog("D0000009", nullptr, SQL_INDIRECT, nullptr));
}

TEST_F(Db2SimDbDirectory, InstanceNameIsTerminated) {
    char name[16];
    std::memset(name, 'x', sizeof(name));
    sqlca ca = sqlca{};
    ASSERT_EQ(0, sqlegins_api(name, &ca));
    EXPECT_STREQ("DB2INST1", name);
    EXPECT_EQ(-1078, sqlegins_api(nullptr, &ca));
}

// DCS directory.
sql_dir_entry dcsEntry(const char* ldb, const char* tdb = "", const char* ar = "",
                       const char* parm = "", const char* comment = "") {
    sql_dir_entry entry;
    std::memset(&entry, 0, sizeof(entry));
    entry.struct_id = SQL_DCS_STR_ID;
    std::strncpy(entry.ldb, ldb, sizeof(entry.ldb) - 1);
    std::strncpy(entry.tdb, tdb, sizeof(entry.tdb) - 1);
    std::strncpy(entry.ar, ar, sizeof(entry.ar) - 1);
    std::strncpy(entry.parm, parm, sizeof(entry.parm) - 1);
    std::strncpy(entry.comment, comment, sizeof(entry.comment) - 1);
    return entry;
}

int addDcs(sql_dir_entry entry) {
    sqlca ca = sqlca{};
    return sqlegdad_api(&entry, &ca);
}

TEST_F(Db2SimDcsDirectory, EmptyDirectoryWarnsAndStillCloses) {
    sqlca ca = sqlca{};
    short count = 7;
    EXPECT_EQ(1312, sqlegdsc_api(&count, &ca));
    EXPECT_EQ(0, count);
    EXPECT_EQ(0, sqlegdcl_api(&ca));
    EXPECT_EQ(-1319, sqlegdcl_api(&ca)) << "nothing collected any more";
    EXPECT_EQ(0, db2sim_counter("scans"));
}

TEST_F(Db2SimDcsDirectory, CatalogFetchInPartsAndUncatalog) {
    ASSERT_EQ(0, addDcs(dcsEntry("hostdb", "TARGET_DATABASE_18", "lib", "parms", "note")));
    ASSERT_EQ(0, addDcs(dcsEntry("second")));
    EXPECT_EQ(-1317, addDcs(dcsEntry("HOSTDB")));
    EXPECT_EQ(-1315, addDcs(dcsEntry("bad name")));
    sql_dir_entry wrongId = dcsEntry("x");
    wrongId.struct_id = SQL_NODE_STR_ID;
    EXPECT_EQ(-1321, addDcs(wrongId));

    sqlca ca = sqlca{};
    short count = 0;
    ASSERT_EQ(0, sqlegdsc_api(&count, &ca));
    ASSERT_EQ(2, count);
    EXPECT_EQ(1, db2sim_counter("scans"));
    ASSERT_EQ(0, addDcs(dcsEntry("third"))) << "the collected copy stays as it was";
    sql_dir_entry buffer[4];
    std::memset(buffer, 0x5A, sizeof(buffer));
    short wanted = 1;
    ASSERT_EQ(0, sqlegdgt_api(&wanted, buffer, &ca));
    EXPECT_EQ(1, wanted);
    EXPECT_STREQ("HOSTDB", buffer[0].ldb);
    EXPECT_STREQ("TARGET_DATABASE_18", buffer[0].tdb);
    EXPECT_STREQ("lib", buffer[0].ar);
    EXPECT_STREQ("parms", buffer[0].parm);
    EXPECT_STREQ("note", buffer[0].comment);
    EXPECT_EQ(SQL_DCS_STR_ID, buffer[0].struct_id);
    EXPECT_EQ(0x5A, static_cast<unsigned char>(buffer[1].ldb[0])) << "only one entry written";
    wanted = 4;
    ASSERT_EQ(0, sqlegdgt_api(&wanted, buffer, &ca));
    EXPECT_EQ(1, wanted) << "only what the copy still has";
    EXPECT_STREQ("SECOND", buffer[0].ldb);
    EXPECT_STREQ("SECOND", buffer[0].tdb) << "no target: the local name";
    EXPECT_EQ(1014, sqlegdgt_api(&wanted, buffer, &ca));
    EXPECT_EQ(0, wanted);
    EXPECT_EQ(0, sqlegdcl_api(&ca));
    EXPECT_EQ(0, db2sim_counter("scans"));
    EXPECT_EQ(-1319, sqlegdgt_api(&wanted, buffer, &ca));

    sql_dir_entry gone = dcsEntry("second");
    EXPECT_EQ(0, sqlegdel_api(&gone, &ca));
    EXPECT_EQ(-1316, sqlegdel_api(&gone, &ca));
    EXPECT_EQ(-1314, sqlegdel_api(nullptr, &ca));
    resetInstance();
    ASSERT_EQ(0, sqlegdsc_api(&count, &ca));
    EXPECT_EQ(2, count) << "HOSTDB and THIRD persist";
    EXPECT_EQ(0, sqlegdcl_api(&ca));
}

}  // namespace
