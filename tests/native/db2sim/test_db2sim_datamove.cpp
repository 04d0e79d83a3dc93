// Data movement on the stand-in: the sample tables, files written by export and read back by
// import and load, modifiers, refusals with DB2's codes, row counts, load pending and load query.
#include <cstddef>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "db2api/db2structs.h"
#include "instancefixture.h"

namespace {

// A counted string block (sqlchar or sqllob) holding `text`.
template <class Counted>
class Block {
  public:
    explicit Block(const std::string& text)
        : bytes_(offsetof(Counted, data) + text.size() + 1, '\0') {
        get()->length = static_cast<decltype(get()->length)>(text.size());
        std::copy(text.begin(), text.end(), get()->data);
    }
    Counted* get() { return reinterpret_cast<Counted*>(bytes_.data()); }

  private:
    std::vector<char> bytes_;
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string tableRows(const char* table) {
    std::string text(db2sim_table_rows("SAMPLE", table, nullptr, 0) + 1, '\0');
    text.resize(db2sim_table_rows("SAMPLE", table, &text[0], text.size()));
    return text;
}

size_t lines(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

class Db2SimDatamove : public Db2SimInstanceTest {
  protected:
    void SetUp() override {
        Db2SimInstanceTest::SetUp();
        sqlca ca;
        void* ctx = nullptr;
        sqleGetCurrentCtx(&ctx, nullptr, &ca);
        connection_ = std::make_unique<Connected>(ctx);
        ASSERT_EQ(SQL_SUCCESS, connection_->connect("SAMPLE"));
    }
    void TearDown() override {
        connection_.reset();
        Db2SimInstanceTest::TearDown();
    }

    std::string path(const char* name) const { return folder_.path() + "/" + name; }

    int exportRows(const std::string& statement, const std::string& file,
                   const std::string& modifiers = "", const char* type = "DEL") {
        Block<sqllob> action(statement);
        Block<sqlchar> mods(modifiers);
        db2ExportStruct in{};
        std::string messages = path("export.msg");
        in.piDataFileName = const_cast<char*>(file.c_str());
        in.piActionString = action.get();
        in.piFileType = const_cast<char*>(type);
        in.piFileTypeMod = modifiers.empty() ? nullptr : mods.get();
        in.piMsgFileName = const_cast<char*>(messages.c_str());
        in.poExportInfoOut = &exported_;
        ca_ = zeroed();
        return db2Export(db2Version970, &in, &ca_);
    }

    int importRows(const std::string& action, const std::string& file,
                   const std::string& modifiers = "", const char* type = "DEL",
                   sqldcol* descriptor = nullptr, db2int32* nullIndicators = nullptr) {
        Block<sqlchar> text(action);
        Block<sqlchar> mods(modifiers);
        db2ImportStruct in{};
        in.piDataFileName = const_cast<char*>(file.c_str());
        in.piDataDescriptor = descriptor;
        in.piActionString = text.get();
        in.piFileType = const_cast<char*>(type);
        in.piFileTypeMod = modifiers.empty() ? nullptr : mods.get();
        std::string messages = path("import.msg");
        in.piMsgFileName = const_cast<char*>(messages.c_str());
        in.piImportInfoIn = &importIn_;
        in.poImportInfoOut = &imported_;
        in.piNullIndicators = nullIndicators;
        ca_ = zeroed();
        return db2Import(db2Version970, &in, &ca_);
    }

    int loadRows(const std::string& action, const std::string& source, const char* type = "DEL") {
        Block<sqlchar> text(action);
        Block<sqlchar> mods("");
        sqlu_location_entry location{};
        sqlu_statement_entry statement{static_cast<sqluint32>(source.size()),
                                       const_cast<char*>(source.c_str())};
        source.copy(location.location_entry, SQLU_MEDIA_LOCATION_LEN);
        sqlu_media_list list{};
        bool cursor = std::string(type) == "cursor";
        list.media_type = cursor ? SQLU_SQL_STMT : SQLU_SERVER_LOCATION;
        list.sessions = 1;
        if (cursor) {
            list.target.pStatement = &statement;
        } else {
            list.target.location = &location;
        }
        db2LoadStruct in{};
        in.piSourceList = &list;
        in.piActionString = text.get();
        in.piFileType = const_cast<char*>(type);
        in.piFileTypeMod = mods.get();
        std::string messages = path("load.msg");
        in.piLocalMsgFileName = const_cast<char*>(messages.c_str());
        in.piLoadInfoIn = &loadIn_;
        in.poLoadInfoOut = &loaded_;
        ca_ = zeroed();
        return db2Load(db2Version970, &in, &ca_);
    }

    int loadQuery(const char* table) {
        db2LoadQueryStruct in{DB2LOADQUERY_TABLENAME, const_cast<char*>(table), 0, &query_,
                              nullptr};
        ca_ = zeroed();
        return db2LoadQuery(db2Version970, &in, &ca_);
    }

    std::unique_ptr<Connected> connection_;
    sqlca ca_{};
    db2ExportOut exported_{};
    db2ImportIn importIn_{};
    db2ImportOut imported_{};
    db2LoadIn loadIn_{};
    db2LoadOut loaded_{};
    db2LoadQueryOutputStruct query_{};
};

TEST_F(Db2SimDatamove, SampleHoldsOrgAndStaffInTheOwnersSchema) {
    std::string staff = tableRows("STAFF");
    EXPECT_EQ(35u, lines(staff));
    EXPECT_EQ(8u, lines(tableRows("DB2INST1.ORG")));
    EXPECT_EQ("10,\"Sanders\",20,\"Mgr  \",7,+98357.50,\n", staff.substr(0, staff.find('\n') + 1));
    EXPECT_NE(std::string::npos, staff.find("40,\"O'Brien\",38,\"Sales\",6,+78006.00,+00846.55\n"));
    EXPECT_EQ(0, db2sim_table_state("SAMPLE", "STAFF"));
    EXPECT_EQ(-1, db2sim_table_state("SAMPLE", "NOSUCH"));
}

// Each modifier set writes a file that import reads back to the same rows, and the rows
// survive a reset (they are in the state folder).
class Db2SimDatamoveRoundTrip : public Db2SimDatamove,
                                public ::testing::WithParamInterface<const char*> {};

TEST_P(Db2SimDatamoveRoundTrip, ExportThenReplaceGivesTheSameRows) {
    std::string before = tableRows("STAFF");
    std::string file = path("staff.del");
    ASSERT_EQ(0, exportRows("SELECT * FROM STAFF", file, GetParam())) << ca_.sqlcode;
    EXPECT_EQ(35u, exported_.oRowsExported);
    ASSERT_EQ(0, importRows("REPLACE INTO DB2INST1.STAFF", file, GetParam())) << ca_.sqlcode;
    EXPECT_EQ(35u, imported_.oRowsInserted);
    EXPECT_EQ(35u, imported_.oRowsCommitted);
    resetInstance();
    EXPECT_EQ(before, tableRows("STAFF"));
}

INSTANTIATE_TEST_SUITE_P(Modifiers, Db2SimDatamoveRoundTrip,
                         ::testing::Values("", "coldel; chardel' decpt,", "coldel0x09",
                                           "striplzeros decplusblank", "nochardel coldel|"));

TEST_F(Db2SimDatamove, ExportWritesTheChosenDelimitersAndTheMessageFile) {
    std::string file = path("org.del");
    ASSERT_EQ(0, exportRows("select deptnumb, deptname from org where deptnumb >= 66", file,
                            "coldel; chardel'"));
    EXPECT_EQ("66;'Pacific'\n84;'Mountain'\n", readFile(file));
    std::string messages = readFile(path("export.msg"));
    EXPECT_NE(std::string::npos, messages.find("SQL3104N"));
    EXPECT_NE(std::string::npos, messages.find("SQL3105N  The export has written \"2\" rows."));
}

TEST_F(Db2SimDatamove, ImportCountsRowsAndWarnsOfRefusedOnes) {
    // Row 2 has no ID (NOT NULL): refused. Row 3's YEARS is not a number: null is used.
    writeFile(path("in.del"),
              "400,\"New\",20,\"Clerk\",1,100.00,\n"
              ",\"NoId\",20,\"Clerk\",1,100.00,\n"
              "401,\"Odd\",20,\"Clerk\",x,100.5,2\n"
              "402,\"Skip\",20,\"Clerk\",1,1.00,\n");
    importIn_.iRowcount = 3;
    EXPECT_EQ(3107, importRows("INSERT INTO STAFF", path("in.del")));
    EXPECT_EQ((std::vector<db2Uint64>{3, 0, 2, 0, 1, 3}),
              (std::vector<db2Uint64>{imported_.oRowsRead, imported_.oRowsSkipped,
                                      imported_.oRowsInserted, imported_.oRowsUpdated,
                                      imported_.oRowsRejected, imported_.oRowsCommitted}));
    std::string rows = tableRows("STAFF");
    EXPECT_NE(std::string::npos, rows.find("401,\"Odd\",20,\"Clerk\",,+00100.50,+00002.00\n"));
    EXPECT_EQ(std::string::npos, rows.find("Skip"));
    std::string messages = readFile(path("import.msg"));
    for (const char* id : {"SQL3109N", "SQL3116W", "SQL3117W", "SQL3110N", "SQL3149N"}) {
        EXPECT_NE(std::string::npos, messages.find(id)) << id;
    }
}

TEST_F(Db2SimDatamove, ImportSkipsRestartRowsAndStopsAtTheWarningLimit) {
    writeFile(path("in.del"), "500,\"A\"\n501,\"B\"\nx,\"C\"\ny,\"D\"\n502,\"E\"\n");
    importIn_.iRestartcount = 1;
    importIn_.iWarningcount = 2;
    EXPECT_EQ(-3502, importRows("INSERT INTO STAFF (ID, NAME)", path("in.del")));
    EXPECT_EQ(1u, imported_.oRowsSkipped);
    EXPECT_EQ(1u, imported_.oRowsInserted);
    EXPECT_EQ(2u, imported_.oRowsRejected);
    EXPECT_EQ(std::string::npos, tableRows("STAFF").find("\"E\""));
}

TEST_F(Db2SimDatamove, AscFileWithLocationsAndNullIndicators) {
    // DEPTNUMB in bytes 1-2, DEPTNAME 4-13, MANAGER 15-17 with its null indicator in byte 19.
    writeFile(path("org.asc"), "90 Research   123  \n91 Support    999 Y\n");
    std::vector<char> block(offsetof(sqldcol, dcolname) + 3 * sizeof(sqldcoln));
    auto* d = reinterpret_cast<sqldcol*>(block.data());
    sqllocpair pairs[] = {{1, 2}, {4, 13}, {15, 17}};
    d->dcolmeth = SQL_METH_L;
    d->dcolnum = 3;
    d->dcolname[0].dcolnptr = reinterpret_cast<char*>(pairs);
    db2int32 indicators[] = {0, 0, 19};
    ASSERT_EQ(0, importRows("INSERT INTO ORG (DEPTNUMB, DEPTNAME, MANAGER)", path("org.asc"), "",
                            "ASC", d, indicators));
    std::string rows = tableRows("ORG");
    // Trailing blanks of a VARCHAR field stay, as in DB2 without striptblanks.
    EXPECT_NE(std::string::npos, rows.find("90,\"Research  \",123,,\n"));
    EXPECT_NE(std::string::npos, rows.find("91,\"Support   \",,,\n"));
    EXPECT_NE(std::string::npos, lastJournalLine().find("piNullIndicators=[0,0,19]"));
}

struct Refused {
    const char* what;
    const char* action;
    const char* file;  // null: a file of one good row
    const char* type;
    const char* modifiers;
    int sqlcode;
};

class Db2SimDatamoveRefusals : public Db2SimDatamove,
                               public ::testing::WithParamInterface<Refused> {};

TEST_P(Db2SimDatamoveRefusals, ImportRefusesAndChangesNothing) {
    const Refused& r = GetParam();
    writeFile(path("one.del"), "600,\"One\"\n");
    std::string before = tableRows("STAFF");
    std::string file = r.file == nullptr ? path("one.del") : path(r.file);
    EXPECT_EQ(r.sqlcode, importRows(r.action, file, r.modifiers, r.type)) << r.what;
    EXPECT_EQ(before, tableRows("STAFF")) << r.what;
}

INSTANTIATE_TEST_SUITE_P(
    Requests, Db2SimDatamoveRefusals,
    ::testing::Values(
        Refused{"missing file", "INSERT INTO STAFF", "nofile.del", "DEL", "", -3025},
        Refused{"file type", "INSERT INTO STAFF", nullptr, "IXF", "", -3004},
        Refused{"no keyword", "UPSERT INTO STAFF", nullptr, "DEL", "", -3033},
        Refused{"no INTO", "INSERT STAFF", nullptr, "DEL", "", -3009},
        Refused{"trailing words", "INSERT INTO STAFF NOW", nullptr, "DEL", "", -3009},
        Refused{"missing table", "INSERT INTO NOSUCH", nullptr, "DEL", "", -3304},
        Refused{"unknown column", "INSERT INTO STAFF (ID, NOPE)", nullptr, "DEL", "", -206},
        Refused{"create from DEL", "CREATE INTO NEWSTAFF", nullptr, "DEL", "", -3004},
        Refused{"no primary key", "INSERT_UPDATE INTO STAFF", nullptr, "DEL", "", -3203},
        Refused{"modifier", "INSERT INTO STAFF", nullptr, "DEL", "bogus", -3192},
        Refused{"delimiter twice", "INSERT INTO STAFF", nullptr, "DEL", "coldel\"", -3192},
        Refused{"blank delimiter", "INSERT INTO STAFF", nullptr, "DEL", "coldel ", -3192},
        Refused{"load action", "TERMINATE INTO STAFF", nullptr, "DEL", "", -3009}),
    [](const ::testing::TestParamInfo<Refused>& info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST_F(Db2SimDatamove, ExportRefusesStatementsItCannotRead) {
    struct Case {
        const char* statement;
        int sqlcode;
    };
    for (const Case& c :
         {Case{"SELECT FROM STAFF", -104}, Case{"SELECT * FROM STAFF;", -104},
          Case{"SELECT * FROM STAFF WHERE ID", -104},
          Case{"SELECT * FROM STAFF WHERE ID = 'x'", -104}, Case{"SELECT * FROM NOSUCH", -204},
          Case{"SELECT NOPE FROM STAFF", -206}, Case{"DELETE FROM STAFF", -104}}) {
        EXPECT_EQ(c.sqlcode, exportRows(c.statement, path("x.del"))) << c.statement;
    }
    EXPECT_EQ(-3004, exportRows("SELECT * FROM STAFF", path("x.del"), "", "WSF"));
    EXPECT_EQ(-3001, exportRows("SELECT * FROM STAFF", path("no/such/dir/x.del")));
    connection_->disconnect();
    EXPECT_EQ(-1024, exportRows("SELECT * FROM STAFF", path("x.del")));
}

TEST_F(Db2SimDatamove, LoadCountsHoldsTheQuiesceAndLoadQueryReportsIt) {
    ASSERT_EQ(0, exportRows("SELECT * FROM STAFF WHERE DEPT = 20", path("d20.del")));
    loadIn_.iHoldQuiesce = 1;
    ASSERT_EQ(0, loadRows("INSERT INTO DB2INST1.STAFF", path("d20.del"))) << ca_.sqlcode;
    EXPECT_EQ(4u, loaded_.oRowsLoaded);
    EXPECT_EQ(39u, lines(tableRows("STAFF")));
    ASSERT_EQ(0, loadQuery("STAFF"));
    EXPECT_EQ((std::vector<db2Uint32>{4, 0, 4, 4, 0, 0, 0, 0}),
              (std::vector<db2Uint32>{query_.oRowsRead, query_.oRowsSkipped, query_.oRowsCommitted,
                                      query_.oRowsLoaded, query_.oRowsRejected, query_.oRowsDeleted,
                                      query_.oTableState, query_.oWhichPhase}));
    EXPECT_EQ(-204, loadQuery("NOSUCH"));
    // From a cursor: the statement is the source, commas and all. Department names longer
    // than NAME's nine bytes are cut, with a warning each.
    ASSERT_EQ(3107, loadRows("REPLACE INTO STAFF (ID, NAME)", "SELECT DEPTNUMB, DEPTNAME FROM ORG",
                             "cursor"));
    EXPECT_EQ(8u, lines(tableRows("STAFF")));
    EXPECT_NE(std::string::npos,
              lastJournalLine().find("statement=\"SELECT DEPTNUMB, DEPTNAME FROM ORG\""));
}

TEST_F(Db2SimDatamove, FailedLoadLeavesTheTablePendingUntilTerminate) {
    writeFile(path("bad.del"), "700,\"A\"\nx,\"B\"\nz,\"C\"\n");
    loadIn_.iWarningcount = 2;
    std::string before = tableRows("STAFF");
    EXPECT_EQ(-3502, loadRows("INSERT INTO STAFF", path("bad.del")));
    EXPECT_EQ(before, tableRows("STAFF"));
    EXPECT_EQ(0x40, db2sim_table_state("SAMPLE", "STAFF"));
    ASSERT_EQ(0, loadQuery("STAFF"));
    EXPECT_EQ(DB2LOADQUERY_LOAD_PENDING, query_.oTableState);
    EXPECT_EQ(DB2LOADQUERY_LOAD_PHASE, query_.oWhichPhase);
    writeFile(path("one.del"), "701,\"One\"\n");
    EXPECT_EQ(-668, importRows("INSERT INTO STAFF", path("one.del")));
    EXPECT_EQ(-668, loadRows("INSERT INTO STAFF", path("one.del")));
    EXPECT_EQ(0, loadRows("TERMINATE INTO STAFF", path("one.del")));
    EXPECT_EQ(0, db2sim_table_state("SAMPLE", "STAFF"));
    EXPECT_EQ(0, loadRows("INSERT INTO STAFF", path("one.del")));
    EXPECT_EQ(36u, lines(tableRows("STAFF")));
    EXPECT_EQ(-2036, loadRows("INSERT INTO STAFF", path("nofile.del")));
}

TEST_F(Db2SimDatamove, JournalShowsTheDecodedStructures) {
    loadIn_.iHoldQuiesce = 1;
    loadIn_.iSavecount = 7;
    loadRows("INSERT INTO STAFF", path("nofile.del"));
    std::string line = lastJournalLine();
    for (const char* part :
         {"piSourceList={media_type='S' sessions=1 [\"", "piActionString=\"INSERT INTO STAFF\"",
          "iSavecount=7", "iHoldQuiesce=1", "piFileTypeMod=\"\"", "piCopyTargetList=null"}) {
        EXPECT_NE(std::string::npos, line.find(part)) << part << " in " << line;
    }
}

}  // namespace
