// Create and drop database on the stand-in: the descriptor checks, what a create records (home
// entry, configuration, table spaces) and what a drop takes away, persisted across a reset.
#include <cstddef>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "db2api/db2structs.h"
#include "instancefixture.h"

namespace {

constexpr unsigned kCodeset = 120;    // database, string
constexpr unsigned kTerritory = 121;  // database, string

// A table space block of n containers, zeroed, with DB2's eye-catcher.
struct Block {
    explicit Block(int n, char type)
        : bytes(offsetof(SQLETSDESC, containr) + n * sizeof(SQLETSCDESC), 0) {
        std::memcpy(get()->sqltsdid, SQLE_DBTSDESC_1, SQL_EYECATCHER_SZ);
        get()->sqltstyp = type;
        get()->sqlccnt = static_cast<sqlint16>(n);
    }
    SQLETSDESC* get() { return reinterpret_cast<SQLETSDESC*>(bytes.data()); }
    void container(int i, char type, int pages, const std::string& name) {
        SQLETSCDESC& c = get()->containr[i];
        c.sqlctype = type;
        c.sqlcsize = pages;
        c.sqlclen = static_cast<sqlint16>(name.size());
        std::memcpy(c.sqlcontr, name.data(), name.size());
    }
    std::vector<char> bytes;
};

class Db2SimDbops : public Db2SimInstanceTest {
  protected:
    Db2SimDbops() {
        std::memset(&desc_, 0, sizeof(desc_));
        std::memcpy(desc_.sqldbdid, SQLE_DBDESC_2, SQL_EYECATCHER_SZ);
        desc_.sqldbcss = -2;
        desc_.sqldbnsg = 1;
        desc_.sqltsext = -1;
        std::memset(&territory_, 0, sizeof(territory_));
    }
    int create(const char* name, const char* alias = "", const char* path = "") {
        ca_ = zeroed();
        return sqlecrea_api(const_cast<char*>(name), const_cast<char*>(alias),
                            const_cast<char*>(path), &desc_, &territory_, 0, nullptr, &ca_);
    }
    int drop(const char* alias) {
        ca_ = zeroed();
        return sqledrpd_api(const_cast<char*>(alias), nullptr, &ca_);
    }
    std::string cfgText(unsigned token, const char* db) {
        char value[64] = {};
        db2CfgParam item{token, value, 0};
        db2Cfg cfg{};
        cfg.numItems = 1;
        cfg.paramArray = &item;
        cfg.flags = db2CfgDatabase;
        cfg.dbname = const_cast<char*>(db);
        sqlca ca = zeroed();
        return db2CfgGet(db2Version810, &cfg, &ca) == 0 ? value
                                                        : "rc " + std::to_string(ca.sqlcode);
    }
    // The home entry of an alias in the database directory ("" when none), as "dbname|comment".
    std::string homeEntry(const char* alias) {
        unsigned short handle = 0, count = 0;
        sqlca ca = zeroed();
        sqledosd_api(nullptr, &handle, &count, &ca);
        std::string found;
        for (unsigned short i = 0; i < count; ++i) {
            sqledinfo* entry = nullptr;
            sqledgne_api(handle, &entry, &ca);
            std::string name = withoutBlanks(field(entry->alias, SQL_ALIAS_SZ));
            if (name == alias && entry->type == SQL_HOME) {
                found = withoutBlanks(field(entry->dbname, SQL_DBNAME_SZ)) + "|" +
                        withoutBlanks(field(entry->comment, SQL_CMT_SZ));
            }
        }
        sqledcls_api(handle, &ca);
        return found;
    }
    std::string stateFile(const std::string& name) {
        std::ifstream in(folder_.path() + "/" + name);
        std::stringstream text;
        text << in.rdbuf();
        return in ? text.str() : "<missing>";
    }
    static std::string withoutBlanks(std::string text) {
        return text.erase(text.find_last_not_of(' ') + 1);
    }

    sqledbdesc desc_;
    sqledbterritoryinfo territory_;
    sqlca ca_{};
};

TEST_F(Db2SimDbops, CreateRecordsHomeEntryConfigurationAndTablespacesThatSurviveAReset) {
    std::strcpy(desc_.sqldbcmt, "payroll");
    std::strcpy(territory_.sqldbcodeset, "ISO8859-1");
    std::strcpy(territory_.sqldblocale, "DE");
    Block user(2, SQL_TBS_TYP_DMS);
    user.container(0, SQL_TBSC_TYP_FILE, 100, "/data/f");
    user.container(1, SQL_TBSC_TYP_DEV, 200, "/dev/d");
    desc_.sqlusrts = user.get();
    ASSERT_EQ(0, create("pay", "payal")) << message(ca_);

    resetInstance();
    EXPECT_EQ("PAY|payroll", homeEntry("PAYAL"));
    EXPECT_EQ("ISO8859-1", cfgText(kCodeset, "PAYAL"));
    EXPECT_EQ("DE", cfgText(kTerritory, "PAYAL"));
    std::string spaces = stateFile("tablespaces/PAY");
    EXPECT_NE(spaces.find("USERSPACE1\tD\tF\t100\t/data/f\n"), std::string::npos) << spaces;
    EXPECT_NE(spaces.find("USERSPACE1\tD\tD\t200\t/dev/d\n"), std::string::npos) << spaces;
    EXPECT_NE(spaces.find("SYSCATSPACE\tS\t\t\t\n"), std::string::npos) << spaces;
}

TEST_F(Db2SimDbops, NullDescriptorAndTerritoryTakeTheDefaults) {
    ca_ = zeroed();
    char name[] = "PLAIN";
    ASSERT_EQ(0, sqlecrea_api(name, nullptr, nullptr, nullptr, nullptr, 0, nullptr, &ca_));
    EXPECT_EQ("UTF-8", cfgText(kCodeset, "PLAIN"));
    EXPECT_EQ("PLAIN|", homeEntry("PLAIN"));
}

TEST_F(Db2SimDbops, NamesAndPathAreRefusedAsDb2Does) {
    EXPECT_EQ(-1005, create("SAMPLE"));  // the name of a database of the instance
    EXPECT_EQ(-1005, create("OTHER", "sample"));
    EXPECT_EQ(-1001, create("9LIVES"));
    EXPECT_EQ(-1000, create("OK", "bad alias"));
    EXPECT_EQ(-1052, create("NOPATH", "", "/no/such/folder"));
    EXPECT_EQ(0, create("WITHPATH", "", folder_.path().c_str())) << message(ca_);
    EXPECT_EQ(-1005, create("WITHPATH"));
}

TEST_F(Db2SimDbops, DescriptorProblemsGiveTheirReasonAndCreateNothing) {
    struct Case {
        const char* reason;
        void (*spoil)(sqledbdesc&, sqledbterritoryinfo&);
    };
    static Block badBlock(1, SQL_TBS_TYP_SMS);  // container of length 0
    const Case cases[] = {
        {"1", [](sqledbdesc& d, sqledbterritoryinfo&) { d.sqldbdid[7] = '1'; }},
        {"2", [](sqledbdesc& d, sqledbterritoryinfo&) { d.sqldbcss = 99; }},
        {"3", [](sqledbdesc& d, sqledbterritoryinfo&) { std::memset(d.sqldbcmt, 'x', 31); }},
        {"4", [](sqledbdesc& d, sqledbterritoryinfo&) { d.sqltsext = 1; }},
        {"5", [](sqledbdesc& d, sqledbterritoryinfo&) { d.sqltmpts = badBlock.get(); }},
        {"6", [](sqledbdesc&, sqledbterritoryinfo& t) { std::strcpy(t.sqldbcodeset, "KLINGON"); }},
    };
    for (const Case& c : cases) {
        desc_ = sqledbdesc{};
        std::memcpy(desc_.sqldbdid, SQLE_DBDESC_2, SQL_EYECATCHER_SZ);
        desc_.sqldbcss = -2;
        desc_.sqltsext = -1;
        territory_ = sqledbterritoryinfo{};
        c.spoil(desc_, territory_);
        EXPECT_EQ(-1083, create("SPOILT")) << c.reason;
        EXPECT_EQ(std::string(c.reason), std::string(ca_.sqlerrmc, ca_.sqlerrml)) << c.reason;
        EXPECT_EQ("", homeEntry("SPOILT")) << c.reason;
    }
    EXPECT_EQ("<missing>", stateFile("tablespaces/SPOILT"));
}

TEST_F(Db2SimDbops, DropRemovesEverythingTheCreateMade) {
    ASSERT_EQ(0, create("GONE"));
    ASSERT_EQ(0, drop("gone"));
    EXPECT_EQ("", homeEntry("GONE"));
    EXPECT_EQ("<missing>", stateFile("tablespaces/GONE"));
    EXPECT_EQ("<missing>", stateFile("config/db/GONE"));
    EXPECT_EQ("rc -1013", cfgText(kCodeset, "GONE"));
    EXPECT_EQ(-1013, drop("GONE"));
    EXPECT_EQ(-1013, drop(""));
    EXPECT_EQ(0, create("GONE")) << "the name is free again";
}

TEST_F(Db2SimDbops, CommentChangesHomeAndCataloguedEntries) {
    sqlca ca = zeroed();
    char alias[] = "SAMPLE";
    char empty[] = "";
    std::string longComment(40, 'c');
    ASSERT_EQ(0, sqledcgd_api(alias, empty, &longComment[0], &ca));
    EXPECT_EQ("SAMPLE|" + std::string(30, 'c'), homeEntry("SAMPLE"));
    char path[] = "/somewhere";
    char note[] = "note";
    EXPECT_EQ(-1031, sqledcgd_api(alias, path, note, &ca));
    char missing[] = "NOSUCH";
    EXPECT_EQ(-1013, sqledcgd_api(missing, empty, note, &ca));
}

TEST_F(Db2SimDbops, StoppedManagerRefusesCreateAndDrop) {
    db2sim_set_started(0);
    EXPECT_EQ(-1032, create("LATER"));
    EXPECT_EQ(-1032, drop("SAMPLE"));
}

}  // namespace
